// The only file that defines the audio GUIDs (initguid.h first).
#include <initguid.h>
// clang-format off
#include <windows.h>
#include <mmdeviceapi.h>
#include <endpointvolume.h>
// clang-format on

#include <atomic>
#include <cmath>

#include "platform/win32/win32_audio_volume.h"

namespace zv::win32 {

namespace {

template <class T>
void ReleaseAndClear(T*& p) {
  if (p) p->Release();
  p = nullptr;
}

}  // namespace

// The open endpoint, and the listener that marks it stale when the default output changes.
// The notifications come on a thread of the audio service, hence the atomic flag; the object
// lives as long as the volume, so its reference count is not kept.
struct Win32EndpointVolume::Endpoint : IMMNotificationClient {
  HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IMMDeviceEnumerator* devices = nullptr;
  IAudioEndpointVolume* volume = nullptr;
  std::atomic<bool> stale{true};

  ~Endpoint() {
    ReleaseAndClear(volume);
    if (devices) devices->UnregisterEndpointNotificationCallback(this);
    ReleaseAndClear(devices);
    if (SUCCEEDED(com)) CoUninitialize();
  }

  // The endpoint's volume, opened now if it is not open or no longer the default's.
  IAudioEndpointVolume* Open() {
    if (!stale.exchange(false)) return volume;
    ReleaseAndClear(volume);
    if (!devices) {
      if (FAILED(CoCreateInstance(CLSID_MMDeviceEnumerator, nullptr, CLSCTX_ALL,
                                  IID_IMMDeviceEnumerator, reinterpret_cast<void**>(&devices))))
        return Failed();
      devices->RegisterEndpointNotificationCallback(this);
    }
    IMMDevice* device = nullptr;
    if (FAILED(devices->GetDefaultAudioEndpoint(eRender, eConsole, &device))) return Failed();
    device->Activate(IID_IAudioEndpointVolume, CLSCTX_ALL, nullptr,
                     reinterpret_cast<void**>(&volume));
    device->Release();
    return volume ? volume : Failed();
  }
  IAudioEndpointVolume* Failed() {
    stale = true;  // try again at the next step: a device may have come
    return nullptr;
  }

  // Calls use with the volume; after a failure once more with the endpoint opened again.
  template <class Use>
  bool With(Use use) {
    for (int attempt = 0; attempt < 2; ++attempt) {
      if (IAudioEndpointVolume* v = Open()) {
        if (use(*v)) return true;
        stale = true;
      }
    }
    return false;
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
    if (id == IID_IUnknown || id == IID_IMMNotificationClient) {
      *out = static_cast<IMMNotificationClient*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE OnDefaultDeviceChanged(EDataFlow flow, ERole role, LPCWSTR) override {
    if (flow == eRender && role == eConsole) stale = true;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnDeviceStateChanged(LPCWSTR, DWORD) override {
    stale = true;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnDeviceAdded(LPCWSTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnDeviceRemoved(LPCWSTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnPropertyValueChanged(LPCWSTR, const PROPERTYKEY) override {
    return S_OK;
  }
};

Win32EndpointVolume::Win32EndpointVolume() : endpoint_(std::make_unique<Endpoint>()) {}
Win32EndpointVolume::~Win32EndpointVolume() = default;

bool Win32EndpointVolume::GetVolume(std::uint16_t& value) {
  return endpoint_->With([&value](IAudioEndpointVolume& volume) {
    float scalar = 0;
    if (FAILED(volume.GetMasterVolumeLevelScalar(&scalar))) return false;
    long v = std::lround(static_cast<double>(scalar) * 65535.0);
    value = static_cast<std::uint16_t>(v < 0 ? 0 : v > 65535 ? 65535 : v);
    return true;
  });
}

bool Win32EndpointVolume::SetVolume(std::uint16_t value) {
  return endpoint_->With([value](IAudioEndpointVolume& volume) {
    return SUCCEEDED(
        volume.SetMasterVolumeLevelScalar(static_cast<float>(value / 65535.0), nullptr));
  });
}

}  // namespace zv::win32
