#pragma once
// Ownership of a system handle in the type: the one wrapper for every kind
// of handle the programs create and must give back (fonts, bitmaps, brushes,
// image lists, automation interfaces, ...). Move-only, so no handle is freed
// twice; a handle merely borrowed stays a plain handle.

namespace platform {

// Owns one handle of a kind that free releases.
template <class Handle, void (*free)(Handle)>
class OwnedHandle {
 public:
  OwnedHandle() = default;
  explicit OwnedHandle(Handle handle) : handle_(handle) {}
  ~OwnedHandle() { Reset(); }
  OwnedHandle(OwnedHandle&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
  OwnedHandle& operator=(OwnedHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Frees the handle held and takes handle instead.
  void Reset(Handle handle = nullptr) {
    if (handle_ && handle_ != handle) free(handle_);
    handle_ = handle;
  }
  // Gives the handle up to the caller, who frees it.
  [[nodiscard]] Handle Release() {
    Handle handle = handle_;
    handle_ = nullptr;
    return handle;
  }

 private:
  Handle handle_ = nullptr;
};

// A COM interface pointer whose reference we hold.
template <class Interface>
void ReleaseInterface(Interface* object) {
  object->Release();
}
template <class Interface>
using OwnedInterface = OwnedHandle<Interface*, &ReleaseInterface<Interface>>;

}  // namespace platform
