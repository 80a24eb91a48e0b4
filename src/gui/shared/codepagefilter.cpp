#include "gui/shared/codepagefilter.h"

#include "gui/document/doctext.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QLineEdit>
#include <QValidator>

namespace {
// The line edit undoes any change its validator calls Invalid, whatever brought it.
class TCodePageValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override { return RefuseUnstorable(input) ? Invalid : Acceptable; }
};
} // namespace

TTextRefusals& TTextRefusals::Instance()
{
    static TTextRefusals refusals;
    return refusals;
}

bool RefuseUnstorable(const QString& text)
{
    const qsizetype index = FirstUnstorable(text);
    if (index < 0)
        return false;
    QApplication::beep();
    emit TTextRefusals::Instance().Refused(QStringLiteral("Not inserted: ") + UnstorableMessage(text, index));
    return true;
}

void GuardLineEdits(QWidget& container)
{
    for (QLineEdit* edit : container.findChildren<QLineEdit*>()) {
        if (edit->validator() || qobject_cast<QAbstractSpinBox*>(edit->parent()))
            continue;
        edit->setValidator(new TCodePageValidator(edit));
    }
}
