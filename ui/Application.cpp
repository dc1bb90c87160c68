#include "ui/Application.h"

#include "ui/MessageBoxes.h"
#include "ui/Style.h"

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
        ReportCurrentException();
        return false;
    }
}

void ReportCurrentException()
{
    try {
        throw;
    } catch (const std::exception &e) {
        ShowFailure(QString::fromUtf8(e.what()));
    } catch (...) {
        ShowFailure(QStringLiteral("未知错误"));
    }
}

} // namespace zandrel
