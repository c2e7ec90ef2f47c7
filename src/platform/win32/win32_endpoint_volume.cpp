// The only file that defines the audio GUIDs (initguid.h first).
#include <initguid.h>
// clang-format off
#include <windows.h>
#include <mmdeviceapi.h>
#include <endpointvolume.h>
// clang-format on

#include <cmath>

#include "platform/win32/win32_audio_volume.h"

namespace zv::win32 {

namespace {

// COM for the calling thread, for as long as one call lasts. A thread that already runs COM
// in the other model still gets its calls through.
class ComScope {
 public:
  ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComScope() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }

 private:
  HRESULT result_;
};

template <class T>
class ComPtr {
 public:
  ~ComPtr() {
    if (p_) p_->Release();
  }
  T** Out() { return &p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
};

// Runs use with the default output endpoint's volume; false when there is none.
template <class Use>
bool WithEndpointVolume(Use use) {
  ComScope com;
  ComPtr<IMMDeviceEnumerator> devices;
  if (FAILED(CoCreateInstance(CLSID_MMDeviceEnumerator, nullptr, CLSCTX_ALL,
                              IID_IMMDeviceEnumerator, reinterpret_cast<void**>(devices.Out()))))
    return false;
  ComPtr<IMMDevice> device;
  if (FAILED(devices->GetDefaultAudioEndpoint(eRender, eConsole, device.Out()))) return false;
  ComPtr<IAudioEndpointVolume> volume;
  if (FAILED(device->Activate(IID_IAudioEndpointVolume, CLSCTX_ALL, nullptr,
                              reinterpret_cast<void**>(volume.Out()))))
    return false;
  return use(*volume.operator->());
}

}  // namespace

bool Win32EndpointVolume::GetVolume(std::uint16_t& value) {
  return WithEndpointVolume([&value](IAudioEndpointVolume& volume) {
    float scalar = 0;
    if (FAILED(volume.GetMasterVolumeLevelScalar(&scalar))) return false;
    long v = std::lround(static_cast<double>(scalar) * 65535.0);
    value = static_cast<std::uint16_t>(v < 0 ? 0 : v > 65535 ? 65535 : v);
    return true;
  });
}

bool Win32EndpointVolume::SetVolume(std::uint16_t value) {
  return WithEndpointVolume([value](IAudioEndpointVolume& volume) {
    return SUCCEEDED(
        volume.SetMasterVolumeLevelScalar(static_cast<float>(value / 65535.0), nullptr));
  });
}

}  // namespace zv::win32
