#include "tests/platform/program_names_contract.h"
