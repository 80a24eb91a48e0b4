#include "gui/room/maintab.h"

#include "gui/document/doctext.h"
#include "gui/room/fieldevents.h"
#include "gui/room/markercolour.h"
#include "gui/room/memotext.h"
#include "gui/room/roomeditsite.h"
#include "gui/shared/areatypeboxes.h"
#include "gui/shared/codepagefilter.h"
#include "gui/shared/controlnames.h"
#include "gui/shared/textmemo.h"
#include "model/text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGuiApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <utility>

namespace {
QLineEdit* Field(QWidget* parent, const char* name, const char* caption, const char* description)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setAccessibleName(QString::fromLatin1(caption));
    edit->setAccessibleDescription(QString::fromLatin1(description));
    return edit;
}
} // namespace

TMainTab::TMainTab(TRoomEditSite& site, QWidget* parent) : QWidget(parent), m_site(site)
{
    setObjectName(QStringLiteral("tsMain"));
    const bool panel = !m_site.InDialog();

    auto* fields = new QFormLayout;
    m_filename = Field(this, "eFilename", "Filename", "File name of the room in the exported code");
    m_short = Field(this, "eShort", "Short", "Short description: the title of the room");
    fields->addRow(QStringLiteral("Filename"), m_filename);
    fields->addRow(QStringLiteral("Short"), m_short);
    GuardLineEdits(*this);

    auto* longGroup = new QGroupBox(QStringLiteral("Long"), this);
    longGroup->setObjectName(QStringLiteral("gbLong"));
    m_type = new QComboBox(longGroup);
    NameControl(*m_type, QStringLiteral("cbType"), QStringLiteral("Type"),
                QStringLiteral("Which long description is edited: by day or by night"));
    m_type->addItems({QStringLiteral("Long"), QStringLiteral("Night Long")});
    m_long = new TTextMemo(longGroup);
    NameControl(*m_long, QStringLiteral("mLong"), QStringLiteral("Long description"),
                QStringLiteral("What a player sees on looking around the room"));
    m_long->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_long->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_long->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    auto* typeRow = new QHBoxLayout;
    typeRow->addWidget(new QLabel(QStringLiteral("Type"), longGroup));
    typeRow->addWidget(m_type, 1);
    if (panel) {
        m_toDefault = new QPushButton(QStringLiteral("to default"), longGroup);
        m_toDefault->setObjectName(QStringLiteral("bbToDefault"));
        m_toDefault->setAccessibleName(QStringLiteral("to default"));
        m_toDefault->setToolTip(QStringLiteral("Saves this room as Default room"));
        m_toDefault->setStatusTip(m_toDefault->toolTip());
        typeRow->addWidget(m_toDefault);
        m_toSentences = new QPushButton(longGroup);
        m_toSentences->setObjectName(QStringLiteral("bbToSentenceDB"));
        m_toSentences->setAccessibleName(QStringLiteral("to sentence database"));
        m_toSentences->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
        m_toSentences->setToolTip(
            QStringLiteral("Saves current description into sentence database (Hold CTRL to enter Category and Desc)"));
        m_toSentences->setStatusTip(m_toSentences->toolTip());
        typeRow->addWidget(m_toSentences);
    }
    auto* longLayout = new QVBoxLayout(longGroup);
    longLayout->addLayout(typeRow);
    longLayout->addWidget(m_long, 1);

    m_areaTypes = new QGroupBox(QStringLiteral("Area Type"), this);
    m_areaTypes->setObjectName(QStringLiteral("gbAreaType"));
    AddAreaTypeBoxes(*m_areaTypes);

    auto* groups = new QHBoxLayout;
    groups->addWidget(longGroup, 1);
    groups->addWidget(m_areaTypes);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(groups, 1);

    m_filename->installEventFilter(this);
    m_short->installEventFilter(this);
    m_long->installEventFilter(this);
    connect(m_type, &QComboBox::currentIndexChanged, this, &TMainTab::TypeChange);
    connect(m_long, &QPlainTextEdit::textChanged, this, &TMainTab::LongChange);
    // Typing is a change at once: the close question and the Save button know of it.
    for (QLineEdit* field : {m_filename, m_short})
        connect(field, &QLineEdit::textEdited, this, [this] {
            if (!m_site.Filling)
                m_site.SetModified();
        });
    connect(&m_site, &TRoomEditSite::CommitWanted, this, &TMainTab::CommitTyping);
    if (panel) {
        connect(m_toDefault, &QPushButton::clicked, this, &TMainTab::ToDefaultClick);
        connect(m_toSentences, &QPushButton::clicked, this, &TMainTab::ToSentencesClick);
        connect(&m_site, &TRoomEditSite::AppendSentence, this, &TMainTab::AppendSentence);
        // In the dialog the boxes are read once, on "&Save".
        for (QCheckBox* box : m_areaTypes->findChildren<QCheckBox*>()) {
            connect(box, &QCheckBox::clicked, this, &TMainTab::AreaTypeClick);
            box->installEventFilter(this);
        }
    }
}

bool TMainTab::eventFilter(QObject* watched, QEvent* event)
{
    const bool panel = !m_site.InDialog();
    if (IsLeaving(event) && !m_site.Filling) {
        if (watched == m_filename)
            FilenameExit();
        else if (watched == m_short)
            ShortExit();
        else if (watched == m_long)
            LongExit();
    } else if (panel && IsF5Down(event)) {
        if (watched == m_short)
            ShortF5();
        else if (qobject_cast<QCheckBox*>(watched))
            AreaTypesF5();
    } else if (watched == m_long && event->type() == QEvent::Resize && panel) {
        LongResize();
    }
    return QWidget::eventFilter(watched, event);
}

void TMainTab::CommitTyping()
{
    if (TRoomEditSite::IsTypingIn(m_filename))
        FilenameExit();
    else if (TRoomEditSite::IsTypingIn(m_short))
        ShortExit();
    else if (TRoomEditSite::IsTypingIn(m_long))
        LongExit();
}

void TMainTab::ShowRoom()
{
    const TRoom* room = m_site.Room();
    if (!room)
        return;
    m_short->setText(DocToQt(room->Short));
    m_filename->setText(DocToQt(room->FileName));
    {
        const QSignalBlocker quiet(m_type);
        m_type->setCurrentIndex(0);
    }
    TypeChange();
    IntToAreaTypes(*m_areaTypes, room->AreaTypes);
    if (const TRoom* tpl = m_site.Template()) {
        PaintFieldMarker(*m_short, room->Short == tpl->Short);
        UpdateActiveColors(room->AreaTypes == tpl->AreaTypes);
    }
}

TAreaTypes TMainTab::CheckedAreaTypes() const
{
    return GroupBoxToAreaType(*m_areaTypes);
}

TRoomDescription* TMainTab::ChosenDescription() const
{
    TRoom* room = m_site.Room();
    if (!room)
        return nullptr;
    const int i = room->FindDescription(QtToDoc(m_type->currentText()));
    return i < 0 ? nullptr : &room->Descriptions[i];
}

void TMainTab::TypeChange()
{
    if (!m_site.Room())
        return;
    // A kind the room lacks shows empty: only viewing it must not change the room or its file.
    const TRoomDescription* description = ChosenDescription();
    const TStrings none;
    const TStrings& text = description ? description->Text : none;
    const bool filling = std::exchange(m_site.Filling, true);
    m_long->setPlainText(m_site.InDialog() ? LinesText(text) : JoinedText(text));
    m_site.Filling = filling;
}

void TMainTab::LongExit()
{
    TRoom* room = m_site.Room();
    if (!room)
        return;
    TRoomDescription* description = ChosenDescription();
    // Compared with what showing it gave, so that leaving without typing keeps the lines;
    // the dialog stores its lines as they stand.
    const std::string typed = MemoText(*m_long);
    TStrings lines = MemoLines(*m_long);
    if ((description && lines == description->Text) ||
        (!m_site.InDialog() && typed == StringsDescToString(description ? description->Text : TStrings{})))
        return;
    if (!description) {
        if (typed.empty())
            return;
        room->Descriptions.push_back({QtToDoc(m_type->currentText()), {}});
        description = &room->Descriptions.back();
    }
    description->Text = std::move(lines);
    m_site.RecordEdit();
}

void TMainTab::ToSentencesClick()
{
    if (m_site.Room())
        emit m_site.DescriptionToSentences(MemoText(*m_long), QGuiApplication::keyboardModifiers() & Qt::ControlModifier);
}

void TMainTab::AppendSentence(const std::string& sentence)
{
    if (!m_site.Room())
        return;
    const bool filling = std::exchange(m_site.Filling, true);
    m_long->setPlainText(DocToQt(StringsDescToString(MemoText(*m_long) + " " + sentence)));
    m_site.Filling = filling;
    // Stored and recorded as when the editor is left: one mark.
    LongExit();
}

void TMainTab::LongChange()
{
    if (!m_site.Filling)
        m_site.SetModified();
}

void TMainTab::LongResize()
{
    // The joined text flows anew; the stored description stays as it is.
    const QString joined = DocToQt(StringsDescToString(MemoText(*m_long)));
    if (joined == m_long->toPlainText())
        return;
    const bool filling = std::exchange(m_site.Filling, true);
    m_long->setPlainText(joined);
    m_site.Filling = filling;
}

void TMainTab::FilenameExit()
{
    TRoom* room = m_site.Room();
    if (!room)
        return;
    const std::string text = QtToDoc(m_filename->text());
    if (m_site.InDialog()) {
        room->FileName = text;
    } else if (text != room->FileName) {
        room->FileName = text;
        m_site.RecordEdit();
    }
}

void TMainTab::ShortExit()
{
    TRoom* room = m_site.Room();
    if (!room)
        return;
    const std::string text = QtToDoc(m_short->text());
    if (m_site.InDialog()) {
        room->Short = text;
    } else if (text != room->Short) {
        room->Short = text;
        m_site.RecordEdit();
    }
}

void TMainTab::ShortF5()
{
    TRoom* tpl = m_site.Template();
    if (!tpl)
        return;
    tpl->Short = QtToDoc(m_short->text());
    PaintFieldMarker(*m_short, true);
    // The templates are saved with the area.
    m_site.SetModified();
}

void TMainTab::AreaTypeClick()
{
    TRoom* room = m_site.Room();
    if (room) {
        room->AreaTypes = GroupBoxToAreaType(*m_areaTypes);
        if (const TRoom* tpl = m_site.Template())
            UpdateActiveColors(room->AreaTypes == tpl->AreaTypes);
        emit m_site.RoomChanged(room);
        m_site.RecordEdit();
    }
    emit m_site.MapFocusWanted();
}

void TMainTab::AreaTypesF5()
{
    TRoom* tpl = m_site.Template();
    const TRoom* room = m_site.Room();
    if (!tpl || !room)
        return;
    tpl->AreaTypes = room->AreaTypes;
    UpdateActiveColors(true);
    m_site.SetModified();
}

void TMainTab::UpdateActiveColors(bool same)
{
    for (QCheckBox* box : m_areaTypes->findChildren<QCheckBox*>())
        PaintBoxMarker(*box, same);
}

void TMainTab::ToDefaultClick()
{
    if (const TRoom* room = m_site.Room())
        m_site.ReplaceTemplate(*room);
}
