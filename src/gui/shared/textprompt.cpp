#include "gui/shared/textprompt.h"

#include "gui/shared/codepagefilter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

TFormText::TFormText(QWidget* parent)
    : QDialog(parent)
    , m_question(new QLabel(this))
    , m_text(new QLineEdit(this))
    , m_ok(new QPushButton(QStringLiteral("OK"), this))
    , m_cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    setObjectName(QStringLiteral("FormText"));
    setWindowTitle(QStringLiteral("Kesterbrandor"));
    m_question->setObjectName(QStringLiteral("lQuestion"));
    m_text->setObjectName(QStringLiteral("eText"));
    m_ok->setObjectName(QStringLiteral("bbOK"));
    m_cancel->setObjectName(QStringLiteral("bbCancel"));
    m_question->setBuddy(m_text);
    GuardLineEdits(*this);
    m_text->setMinimumWidth(345);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_question);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormText::Prepare(const QString& question, const QString& text)
{
    m_question->setText(question);
    m_text->setText(text);
}

QString TFormText::Text() const
{
    return m_text->text();
}

std::optional<QString> TFormText::Run()
{
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return Text();
}

void TFormText::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Typing replaces the proposal.
    m_text->selectAll();
    m_text->setFocus(Qt::OtherFocusReason);
}

TFormText& TFormText::Of(QWidget* window)
{
    Q_ASSERT(window);
    if (auto* prompt = window->findChild<TFormText*>(QStringLiteral("FormText"), Qt::FindDirectChildrenOnly))
        return *prompt;
    return *new TFormText(window);
}

std::optional<QString> TFormText::Ask(QWidget* window, const QString& question, const QString& text)
{
    std::unique_ptr<TFormText> own;
    TFormText* prompt = nullptr;
    if (window) {
        prompt = &Of(window);
    } else {
        own = std::make_unique<TFormText>();
        prompt = own.get();
    }
    prompt->Prepare(question, text);
    return prompt->Run();
}
