#pragma once
// The application object: the one place where a failure that an action did not handle
// itself is caught and shown to the user.
#include <QApplication>

#include <functional>

class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

// Runs deliver(); an EKbError or std::exception escaping it is handed to report with its
// message and counts as an unhandled event. The body of TApplication::notify, kept apart
// so that it can be tested without a second application object.
bool DeliverReportingErrors(const std::function<bool()>& deliver,
                            const std::function<void(const QString&)>& report);
