#include "gui/db/sentencesearcharea.h"

#include "gui/db/categorybox.h"
#include "gui/document/doctext.h"
#include "gui/shared/areatypeboxes.h"
#include "gui/shared/controlnames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TSentenceSearchArea::TSentenceSearchArea(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pnSentenceSearch"));
    m_text = new QLineEdit(this);
    NameControl(*m_text, QStringLiteral("eSearchSentence"), QStringLiteral("Search sentence"),
                QStringLiteral("Lists the sentences that contain this text"));
    m_desc = new QLineEdit(this);
    NameControl(*m_desc, QStringLiteral("eSearchDesc"), QStringLiteral("Search desc"),
                QStringLiteral("Lists the sentences whose description contains this text"));
    m_category = NewCategoryBox(this, "cbSearchCategory", "Search category");
    m_types = new QGroupBox(this);
    m_types->setObjectName(QStringLiteral("gbSearchAreaType"));
    m_types->setAccessibleName(QStringLiteral("Search area type"));
    AddAreaTypeCodeBoxes(*m_types, "chbSearch");
    m_and = new QCheckBox(QStringLiteral("AND"), this);
    m_and->setObjectName(QStringLiteral("chbAnd"));
    m_and->setAccessibleName(QStringLiteral("AND"));
    m_and->setToolTip(QStringLiteral("Search sentence must have all attributes"));
    m_and->setStatusTip(m_and->toolTip());
    m_search = new QPushButton(QStringLiteral("Search"), this);
    NameControl(*m_search, QStringLiteral("bSearch"), QStringLiteral("Search"),
                QStringLiteral("Lists the sentences that match the search fields"));
    m_cancel = new QPushButton(QStringLiteral("Cancel search"), this);
    NameControl(*m_cancel, QStringLiteral("bCancelSearch"), QStringLiteral("Cancel search"),
                QStringLiteral("Lists all sentences again"));
    m_cancel->setEnabled(false);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Sentence"), m_text);
    fields->addRow(QStringLiteral("Desc"), m_desc);
    fields->addRow(QStringLiteral("Category"), m_category);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_and);
    buttons->addStretch(1);
    buttons->addWidget(m_search);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(fields);
    layout->addWidget(m_types);
    layout->addLayout(buttons);
    layout->addStretch(1);

    connect(m_search, &QPushButton::clicked, this, &TSentenceSearchArea::SearchClicked);
    connect(m_cancel, &QPushButton::clicked, this, &TSentenceSearchArea::CancelClicked);
}

TSentenceSearch TSentenceSearchArea::Criteria() const
{
    TSentenceSearch s;
    s.Text = QtToDoc(m_text->text());
    s.Desc = QtToDoc(m_desc->text());
    s.Category = QtToDoc(m_category->currentText());
    s.Types = GroupBoxToAreaType(*m_types);
    s.AllTypes = m_and->isChecked();
    return s;
}

void TSentenceSearchArea::Clear()
{
    m_text->clear();
    m_desc->clear();
    m_category->setEditText(QString());
    IntToAreaTypes(*m_types, 0);
}

void TSentenceSearchArea::SetCategories(const TStrings& categories)
{
    FillCategoryBox(*m_category, categories);
}

void TSentenceSearchArea::SetCancelEnabled(bool enabled)
{
    m_cancel->setEnabled(enabled);
}
