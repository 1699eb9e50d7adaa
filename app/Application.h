// The viewer's application object: the last guard, so that no exception crosses the event loop.
#pragma once

#include <QApplication>

namespace app {

class TApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace app
