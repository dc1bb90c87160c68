#include "ui/Application.h"

#include "ui/Appearance.h"
#include "ui/MessageBoxes.h"

#include <exception>

namespace zandrel {

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Zandrel"));
    setStyle(new ZandrelStyle);
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportCurrentException();
        return false;
    }
}

void reportCurrentException()
{
    try {
        throw;
    } catch (const std::exception &e) {
        showFailure(QString::fromUtf8(e.what()));
    } catch (...) {
        showFailure(QStringLiteral("未知错误"));
    }
}

} // namespace zandrel
