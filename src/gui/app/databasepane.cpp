#include "gui/app/databasepane.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

TDatabasePane::TDatabasePane(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DatabasePane"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("DatabaseTitleStrip"));
    strip->setAutoFillBackground(true);
    QPalette pal = strip->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Highlight));
    pal.setColor(QPalette::WindowText, pal.color(QPalette::HighlightedText));
    strip->setPalette(pal);
    auto* stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(4, 1, 1, 1);
    m_title = new QLabel(strip);
    m_title->setObjectName(QStringLiteral("lDatabaseTitle"));
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    stripLayout->addWidget(m_title, 1);
    m_close = new QToolButton(strip);
    m_close->setObjectName(QStringLiteral("sbCloseDatabase"));
    m_close->setText(QStringLiteral("X"));
    m_close->setAccessibleName(QStringLiteral("Close database"));
    m_close->setAccessibleDescription(QStringLiteral("Closes the database pane"));
    m_close->setAutoRaise(true);
    stripLayout->addWidget(m_close);
    // With both panels hidden (the pane closed to its strip) the title keeps to the top.
    layout->addWidget(strip, 0, Qt::AlignTop);

    m_sentences = new QWidget(this);
    m_sentences->setObjectName(QStringLiteral("pnSentenceDB"));
    layout->addWidget(m_sentences, 1);
    m_items = new QWidget(this);
    m_items->setObjectName(QStringLiteral("pnItemDB"));
    layout->addWidget(m_items, 1);
    ShowKind(TKind::None);

    connect(m_close, &QToolButton::clicked, this, &TDatabasePane::CloseClicked);
}

QString TDatabasePane::Title() const
{
    return m_title->text();
}

void TDatabasePane::ShowKind(TKind kind)
{
    m_kind = kind;
    m_sentences->setVisible(kind == TKind::Sentences);
    m_items->setVisible(kind == TKind::Items);
    switch (kind) {
    case TKind::Sentences: m_title->setText(QStringLiteral("Sentence Database")); break;
    case TKind::Items: m_title->setText(QStringLiteral("Item Database")); break;
    case TKind::None: m_title->clear(); break;
    }
    m_title->setAccessibleName(kind == TKind::None ? QStringLiteral("No database open") : m_title->text());
}
