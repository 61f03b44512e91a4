#pragma once

#include <QObject>

namespace sorvik::settings {

// The signal a settings store gives when the values its readers show have changed: after its
// dialog's OK and after a revert. The windows that draw from the store listen to it.
class StoreChanges : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;
    void announce() { emit changed(); }

  signals:
    void changed();
};

}  // namespace sorvik::settings
