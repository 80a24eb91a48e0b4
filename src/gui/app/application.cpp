#include "gui/app/application.h"

#include "kberror.h"

#include <QMessageBox>

bool DeliverReportingErrors(const std::function<bool()>& deliver,
                            const std::function<void(const QString&)>& report)
{
    try {
        return deliver();
    } catch (const EKbError& e) {
        report(QString::fromUtf8(e.what()));
    } catch (const std::bad_alloc&) {
        report(QStringLiteral("Out of memory."));
    } catch (const std::exception& e) {
        report(QString::fromUtf8(e.what()));
    }
    return false;
}

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Kesterbrandor"));
    setOrganizationName(QStringLiteral("Kaj Soft"));
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    return DeliverReportingErrors([&] { return QApplication::notify(receiver, event); },
                                  [](const QString& message) {
                                      QMessageBox::critical(activeWindow(), applicationName(), message);
                                  });
}
