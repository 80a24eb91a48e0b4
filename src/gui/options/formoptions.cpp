#include "gui/options/formoptions.h"

#include "export/wrap.h"
#include "gui/document/areadocument.h"
#include "gui/document/doctext.h"
#include "gui/shared/codeeditor.h"
#include "gui/shared/codepagefilter.h"
#include "gui/shared/controlnames.h"
#include "model/areatypes.h"

#include <Qsci/qsciscintilla.h>
#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <climits>

namespace {
QSpinBox* SpinField(QWidget* parent, const char* name, const QString& caption, const QString& description, int low,
                    int high)
{
    auto* spin = new QSpinBox(parent);
    NameControl(*spin, QString::fromLatin1(name), caption, description);
    spin->setRange(low, high);
    return spin;
}

QButtonGroup* RadioGroup(QGroupBox* box, const char* name, const QStringList& items)
{
    auto* group = new QButtonGroup(box);
    group->setObjectName(QString::fromLatin1(name));
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(box->title());
    auto* layout = new QVBoxLayout(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i], box);
        radio->setObjectName(QString::fromLatin1(name) + QString::number(i));
        radio->setAccessibleName(QString(items[i]).remove(QLatin1Char('&')));
        radio->setAccessibleDescription(box->title());
        group->addButton(radio, i);
        layout->addWidget(radio);
    }
    return group;
}
} // namespace

TFormOptions::TFormOptions(TAreaDocument& document, QWidget* parent) : QDialog(parent), m_document(document)
{
    setObjectName(QStringLiteral("FormOptions"));
    setWindowTitle(QStringLiteral("Options"));
    setModal(true);
    PickColor = [](QWidget* parent, const QColor& initial) { return QColorDialog::getColor(initial, parent); };

    auto* layout = new QVBoxLayout(this);
    auto* strip = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    NameControl(*ok, QStringLiteral("bbOK"), QStringLiteral("OK"),
                QStringLiteral("Applies the options to the area"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    NameControl(*cancel, QStringLiteral("bbCancel"), QStringLiteral("Cancel"),
                QStringLiteral("Closes the options without changing anything"));
    strip->addWidget(ok);
    strip->addWidget(cancel);
    strip->addStretch(1);
    layout->addLayout(strip);

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("pcOptions"));
    tabs->addTab(CreateMainTab(), QStringLiteral("Main"));
    m_mFileHeader = NewCodeEditor(tabs, QStringLiteral("mFileHeader"), QStringLiteral("File header"),
                                  QStringLiteral("Code written at the top of every room file"));
    UseNavyColours(*m_mFileHeader);
    tabs->addTab(m_mFileHeader, QStringLiteral("FileHeader"));
    tabs->addTab(CreateColorsTab(), QStringLiteral("Colors"));
    m_mScriptTemplate = NewCodeEditor(tabs, QStringLiteral("mScriptTemplate"), QStringLiteral("Script template"),
                                      QStringLiteral("The room file of the script export, with placeholders"));
    UseNavyColours(*m_mScriptTemplate);
    tabs->addTab(m_mScriptTemplate, QStringLiteral("Export Scripts"));
    layout->addWidget(tabs, 1);
    GuardLineEdits(*this);

    connect(ok, &QPushButton::clicked, this, [this] {
        // OK takes the shared field as it stands, as leaving it would.
        eMiddleExit();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_rgFilens, &QButtonGroup::idClicked, this, &TFormOptions::rgFilensClick);
    connect(m_eMiddle, &QLineEdit::editingFinished, this, &TFormOptions::eMiddleExit);
}

QWidget* TFormOptions::CreateMainTab()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tsMain"));
    auto* grid = new QGridLayout(page);

    auto* size = new QGroupBox(QStringLiteral("Map size"), page);
    size->setObjectName(QStringLiteral("gbMapSize"));
    auto* sizeForm = new QFormLayout(size);
    m_seX = SpinField(size, "seX", QStringLiteral("Map width in rooms"),
                      QStringLiteral("How many rooms fit side by side"), 1, 100);
    m_seY = SpinField(size, "seY", QStringLiteral("Map height in rooms"),
                      QStringLiteral("How many rooms fit one under another"), 1, 100);
    sizeForm->addRow(QStringLiteral("X:"), m_seX);
    sizeForm->addRow(QStringLiteral("Y:"), m_seY);
    grid->addWidget(size, 0, 0);

    auto* format = new QGroupBox(QStringLiteral("Default filenames format"), page);
    m_rgFilens = RadioGroup(format, "rgFilens",
                            {QStringLiteral("None"), QStringLiteral("X-Y"), QStringLiteral("Ascending")});
    grid->addWidget(format, 1, 0);

    m_gbNames = new QGroupBox(QStringLiteral("Default filenames settings"), page);
    m_gbNames->setObjectName(QStringLiteral("gbFilenames"));
    auto* names = new QFormLayout(m_gbNames);
    m_ePrefix = new QLineEdit(m_gbNames);
    NameControl(*m_ePrefix, QStringLiteral("ePrefix"), QStringLiteral("Prefix"),
                QStringLiteral("Start of the file names of new rooms"));
    names->addRow(QStringLiteral("Prefix"), m_ePrefix);
    m_eMiddle = new QLineEdit(m_gbNames);
    m_eMiddle->setObjectName(QStringLiteral("eMiddle"));
    m_eMiddle->setAccessibleDescription(QStringLiteral("Middle of the file names of new rooms"));
    m_lMiddle = new QLabel(QStringLiteral("Delimiter"), m_gbNames);
    m_lMiddle->setObjectName(QStringLiteral("lMiddle"));
    m_lMiddle->setBuddy(m_eMiddle);
    names->addRow(m_lMiddle, m_eMiddle);
    m_ePostfix = new QLineEdit(m_gbNames);
    NameControl(*m_ePostfix, QStringLiteral("ePostfix"), QStringLiteral("Postfix"),
                QStringLiteral("End of the file names of new rooms"));
    names->addRow(QStringLiteral("Postfix"), m_ePostfix);
    // Any whole number: only its low byte is stored.
    m_seDigits = SpinField(m_gbNames, "seDigits", QStringLiteral("Digits"),
                           QStringLiteral("Digits of the number in new file names"), INT_MIN, INT_MAX);
    m_lDigits = new QLabel(QStringLiteral("Číslic"), m_gbNames);
    m_lDigits->setObjectName(QStringLiteral("lDigits"));
    m_lDigits->setBuddy(m_seDigits);
    names->addRow(m_lDigits, m_seDigits);
    grid->addWidget(m_gbNames, 0, 1, 2, 1);

    auto* wrap = new QGroupBox(QStringLiteral("Memo wrapping"), page);
    wrap->setObjectName(QStringLiteral("gbWrapping"));
    auto* wrapForm = new QFormLayout(wrap);
    m_seWrapFirst = SpinField(wrap, "seWrapFirst", QStringLiteral("1st row"),
                              QStringLiteral("Width of the first line of exported texts"), MinWrapWidth,
                              MaxWrapWidth);
    m_seWrapOther = SpinField(wrap, "seWrapOther", QStringLiteral("Other rows"),
                              QStringLiteral("Width of the other lines of exported texts"), MinWrapWidth,
                              MaxWrapWidth);
    wrapForm->addRow(QStringLiteral("1st row"), m_seWrapFirst);
    wrapForm->addRow(QStringLiteral("Other rows"), m_seWrapOther);
    grid->addWidget(wrap, 2, 0);

    auto* height = new QGroupBox(QStringLiteral("Editor height"), page);
    height->setObjectName(QStringLiteral("gbEditorHeight"));
    auto* heightLayout = new QVBoxLayout(height);
    m_seEditorHeight = SpinField(height, "seEditorHeight", QStringLiteral("Editor height"),
                                 QStringLiteral("Height of the room details in pixels"), 200, 1000);
    heightLayout->addWidget(m_seEditorHeight);
    grid->addWidget(height, 2, 1);

    auto* recovery = new QGroupBox(QStringLiteral("Crash recovery"), page);
    recovery->setObjectName(QStringLiteral("gbRecovery"));
    auto* recoveryForm = new QFormLayout(recovery);
    m_seRecovery = SpinField(recovery, "seRecovery", QStringLiteral("Recovery copy every"),
                             QStringLiteral("Minutes between recovery copies of unsaved work; 0 turns them off"), 0, 120);
    m_seRecovery->setSuffix(QStringLiteral(" min"));
    m_seRecovery->setSpecialValueText(QStringLiteral("Off"));
    recoveryForm->addRow(QStringLiteral("Copy every"), m_seRecovery);
    grid->addWidget(recovery, 3, 0, 1, 2);

    auto* exports = new QGroupBox(QStringLiteral("Export"), page);
    exports->setObjectName(QStringLiteral("gbExport"));
    auto* exportsLayout = new QVBoxLayout(exports);
    m_cbUtf8Export = new QCheckBox(QStringLiteral("Export in &UTF-8"), exports);
    m_cbUtf8Export->setObjectName(QStringLiteral("cbUtf8Export"));
    m_cbUtf8Export->setAccessibleName(QStringLiteral("Export in UTF-8"));
    const QString utf8Hint = QStringLiteral("Writes the generated files in UTF-8, which current drivers need, "
                                            "instead of the area's 8-bit code page");
    m_cbUtf8Export->setAccessibleDescription(utf8Hint);
    m_cbUtf8Export->setToolTip(utf8Hint);
    exportsLayout->addWidget(m_cbUtf8Export);
    grid->addWidget(exports, 4, 0, 1, 2);
    grid->setRowStretch(5, 1);
    return page;
}

QWidget* TFormOptions::CreateColorsTab()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tsColors"));
    auto* layout = new QHBoxLayout(page);
    auto* pickers = new QGridLayout;
    // Plain .. Field, then Empty, in two columns.
    for (int k = 1; k <= AreaTypeCount + 1; ++k) {
        const int index = k <= AreaTypeCount ? k : 0;
        const QString name = index ? QString::fromLatin1(AreaTypeCaption(index)) : QStringLiteral("Empty");
        auto* button = new TColourButton(name, PickColor, page);
        m_colours[index] = button;
        const int row = (k - 1) % 10, column = (k - 1) / 10 * 2;
        pickers->addWidget(new QLabel(name, page), row, column);
        pickers->addWidget(button, row, column + 1);
    }
    layout->addLayout(pickers);

    auto* depth = new QGroupBox(QStringLiteral("Color depth"), page);
    const QString hint = QStringLiteral("Warning! 8bit can cause \"Out of system resources\" error on W95/98/ME");
    depth->setToolTip(hint);
    depth->setStatusTip(hint);
    m_rgColorDepth = RadioGroup(depth, "rgColorDepth", {QStringLiteral("4bit"), QStringLiteral("8bit")});
    layout->addWidget(depth, 0, Qt::AlignTop);
    layout->addStretch(1);
    return page;
}

int TFormOptions::Format() const
{
    return m_rgFilens->checkedId();
}

void TFormOptions::FillRecovery(int minutes)
{
    m_seRecovery->setValue(minutes);
}

void TFormOptions::FillExport(bool utf8)
{
    m_cbUtf8Export->setChecked(utf8);
}

void TFormOptions::Fill(int pictureBits)
{
    const TRoomList& area = m_document.Area();
    m_widthCells = area.Width;
    m_heightCells = area.Height;
    m_seX->setValue(area.Width / 2 + 1);
    m_seY->setValue(area.Height / 2 + 1);
    if (QAbstractButton* item = m_rgFilens->button(area.FileNameFormat))
        item->setChecked(true);
    m_ePrefix->setText(DocToQt(area.FilePrefix));
    m_optMiddle = area.FileMiddle;
    m_optLastNumber = area.LastNumber;
    m_ePostfix->setText(DocToQt(area.FilePostfix));
    m_optDigits = area.FileDigits;
    m_seDigits->setValue(m_optDigits);
    SetEditorLines(*m_mFileHeader, area.FileHeader);
    SetEditorLines(*m_mScriptTemplate, area.ScriptTemplate);
    for (size_t i = 0; i < m_colours.size(); ++i)
        m_colours[i]->SetValue(area.Colors[i]);
    m_seWrapFirst->setValue(area.WrapFirst);
    m_seWrapOther->setValue(area.WrapOther);
    m_seEditorHeight->setValue(area.EditorHeight);
    m_rgColorDepth->button(pictureBits == 4 ? 0 : 1)->setChecked(true);
    // The field shows nothing of a former opening.
    m_fieldFormat = -1;
    rgFilensClick();
}

void TFormOptions::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    rgFilensClick();
}

void TFormOptions::rgFilensClick()
{
    eMiddleExit();
    const int format = Format();
    m_lDigits->hide();
    m_seDigits->hide();
    m_gbNames->setVisible(format != fnfNone);
    if (format == fnfXY) {
        m_lMiddle->setText(QStringLiteral("Delimiter"));
        m_eMiddle->setAccessibleName(QStringLiteral("Delimiter"));
        m_eMiddle->setText(DocToQt(m_optMiddle));
    } else if (format == fnfAscending) {
        m_eMiddle->setText(QString::number(m_optLastNumber));
        m_lMiddle->setText(QStringLiteral("Last number"));
        m_eMiddle->setAccessibleName(QStringLiteral("Last number"));
        m_lDigits->show();
        m_seDigits->show();
        m_seDigits->setValue(m_optDigits);
    }
    m_fieldFormat = format;
}

void TFormOptions::eMiddleExit()
{
    if (m_fieldFormat == fnfXY) {
        m_optMiddle = QtToDoc(m_eMiddle->text());
    } else if (m_fieldFormat == fnfAscending) {
        bool ok = false;
        const int value = m_eMiddle->text().toInt(&ok);
        if (ok)
            m_optLastNumber = value;
        m_optDigits = m_seDigits->value();
    }
}

TOptionsOutcome TFormOptions::Apply()
{
    TRoomList& area = m_document.Area();
    const TAreaFields before = area;
    TOptionsOutcome outcome;
    outcome.PictureBits = m_rgColorDepth->checkedId() == 0 ? 4 : 8;
    outcome.RecoveryMinutes = m_seRecovery->value();
    outcome.Utf8Export = m_cbUtf8Export->isChecked();

    const int width = m_seX->value() * 2 - 1;
    const int height = m_seY->value() * 2 - 1;
    area.FileNameFormat = static_cast<uint8_t>(Format());
    area.FilePrefix = QtToDoc(m_ePrefix->text());
    area.FileMiddle = m_optMiddle;
    area.LastNumber = m_optLastNumber;
    area.FilePostfix = QtToDoc(m_ePostfix->text());
    area.FileDigits = static_cast<uint8_t>(m_seDigits->value());
    area.FileHeader = EditorLines(*m_mFileHeader);
    area.ScriptTemplate = EditorLines(*m_mScriptTemplate);
    for (size_t i = 0; i < m_colours.size(); ++i)
        area.Colors[i] = m_colours[i]->Value();
    area.WrapFirst = m_seWrapFirst->value();
    area.WrapOther = m_seWrapOther->value();
    area.EditorHeight = m_seEditorHeight->value();
    // Compared in rooms as shown: a grid of even size from a file shows rounded and stays as it is.
    if (m_seX->value() != m_widthCells / 2 + 1 || m_seY->value() != m_heightCells / 2 + 1) {
        area.Width = width;
        area.Height = height;
        outcome.Resized = true;
    }

    // The options travel in the area file: a change must not be lost at closing, and is a
    // step of its own that undo and redo can take back and bring back.
    if (!(static_cast<const TAreaFields&>(area) == before))
        m_document.RecordEdit();
    return outcome;
}
