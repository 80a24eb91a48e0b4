#pragma once
// Text fields take only what the document's code page can store: a character it cannot hold
// is refused as it is typed, pasted or dropped, with a beep and a notice that names it.
#include <QObject>
#include <QString>

class QWidget;

// The notices of refused text; the main window shows them in its status bar.
class TTextRefusals : public QObject {
    Q_OBJECT
public:
    static TTextRefusals& Instance();

signals:
    void Refused(const QString& message);
};

// True, after the beep and the notice, when `text` holds a character the code page cannot store.
bool RefuseUnstorable(const QString& text);
// Every line edit under `container`, editable combo boxes' included (spin boxes keep their own
// rules), refuses such characters however they come: keys, paste, drop or input method.
void GuardLineEdits(QWidget& container);
