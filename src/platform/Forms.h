#pragma once
// The registry of window kinds. A window is created on its first use and destroyed when
// it unloads (closes); the next use creates and loads it afresh. Nobody keeps a raw
// pointer to a window that can unload: ask the registry each time.
//
//   Forms::Get<frmSetPage>()      the window, created (and so loaded) when not loaded
//   Forms::IsLoaded<frmSetPage>() whether it exists now
//   Forms::Unload<frmSetPage>()   destroys it now, when it exists
//
// A window kind is a QWidget subclass with a constructor that takes no argument (or a
// parent pointer defaulting to nullptr). It should unload by closing with
// Qt::WA_DeleteOnClose set, or through Forms::Unload.

#include <QPointer>
#include <QWidget>

namespace platform {

class Forms {
 public:
  template <class F>
  static F* Get() {
    QPointer<QWidget>& slot = Slot<F>();
    if (!slot) slot = new F();
    return static_cast<F*>(slot.data());
  }

  template <class F>
  static bool IsLoaded() {
    return !Slot<F>().isNull();
  }

  // The window when it is loaded, else nullptr; never creates it.
  template <class F>
  static F* IfLoaded() {
    return static_cast<F*>(Slot<F>().data());
  }

  template <class F>
  static void Unload() {
    if (QWidget* w = Slot<F>().data()) {
      Slot<F>() = nullptr;
      delete w;
    }
  }

 private:
  template <class F>
  static QPointer<QWidget>& Slot() {
    static QPointer<QWidget> slot;
    return slot;
  }
};

}  // namespace platform
