#include "gui/db/sentenceeditor.h"

#include "gui/db/categorybox.h"
#include "gui/document/doctext.h"
#include "gui/shared/areatypeboxes.h"
#include "gui/shared/controlnames.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The colour of fields open for editing.
const QColor EditBackground(0x00, 0xFF, 0xFF);

QPushButton* Button(QWidget* parent, const char* name, const char* caption)
{
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(QString::fromLatin1(caption));
    b->setAccessibleDescription(QString::fromLatin1(caption) + QStringLiteral(" of the sentence"));
    return b;
}

void SetBackground(QWidget* w, const QColor* colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, colour ? *colour : QWidget().palette().color(QPalette::Base));
    w->setPalette(pal);
}
} // namespace

TSentenceEditor::TSentenceEditor(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pnSentenceEditor"));
    m_sentence = new QLineEdit(this);
    NameControl(*m_sentence, QStringLiteral("eSentence"), QStringLiteral("Sentence"),
                QStringLiteral("Text of the sentence"));
    m_category = NewCategoryBox(this, "cbSentCategory", "Category");
    m_desc = new QLineEdit(this);
    NameControl(*m_desc, QStringLiteral("eSentDesc"), QStringLiteral("Desc"),
                QStringLiteral("Description of the sentence, for finding it"));
    m_types = new QGroupBox(QStringLiteral("Area Type"), this);
    m_types->setObjectName(QStringLiteral("gbSentAreaType"));
    AddAreaTypeCodeBoxes(*m_types, "chbSent");
    m_save = Button(this, "bSentSave", "Save changes");
    m_cancel = Button(this, "bSentCancel", "Cancel changes");

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Sentence"), m_sentence);
    fields->addRow(QStringLiteral("Category"), m_category);
    fields->addRow(QStringLiteral("Desc"), m_desc);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(fields);
    layout->addWidget(m_types);
    layout->addLayout(buttons);
    layout->addStretch(1);

    connect(m_save, &QPushButton::clicked, this, &TSentenceEditor::SaveClicked);
    connect(m_cancel, &QPushButton::clicked, this, &TSentenceEditor::CancelClicked);
    SetEditMode(false);
}

void TSentenceEditor::Show(const TSentence* sentence)
{
    if (!sentence) {
        Clear();
        return;
    }
    m_sentence->setText(DocToQt(sentence->Sentence));
    m_category->setEditText(DocToQt(sentence->Category));
    m_desc->setText(DocToQt(sentence->Desc));
    IntToAreaTypes(*m_types, sentence->AreaTypes);
}

void TSentenceEditor::Clear()
{
    m_sentence->clear();
    m_category->setEditText(QString());
    m_desc->clear();
}

void TSentenceEditor::Read(TSentence& sentence) const
{
    sentence.Desc = QtToDoc(m_desc->text().trimmed());
    sentence.Category = QtToDoc(m_category->currentText().trimmed());
    sentence.Sentence = QtToDoc(m_sentence->text().trimmed());
    sentence.AreaTypes = GroupBoxToAreaType(*m_types);
}

bool TSentenceEditor::CategoryListed() const
{
    return m_category->findText(m_category->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0;
}

void TSentenceEditor::SetCategories(const TStrings& categories)
{
    FillCategoryBox(*m_category, categories);
}

void TSentenceEditor::SetEditMode(bool editing)
{
    m_editing = editing;
    m_save->setEnabled(editing);
    m_cancel->setEnabled(editing);
    m_types->setEnabled(editing);
    m_category->setEnabled(editing);
    m_sentence->setReadOnly(!editing);
    m_desc->setReadOnly(!editing);
    for (QWidget* w : {static_cast<QWidget*>(m_sentence), static_cast<QWidget*>(m_category),
                       static_cast<QWidget*>(m_desc)})
        SetBackground(w, editing ? &EditBackground : nullptr);
}
