#include "editorfixture.h"

#include "files/areafile.h"
#include "model/mapedit.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

TAnswer TScriptedAsker::AskYesNoCancel(QWidget*, const QString& question)
{
    Questions << question;
    if (Answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << question.toStdString();
        return TAnswer::Cancel;
    }
    const TAnswer a = Answers.front();
    Answers.pop_front();
    return a;
}

std::optional<QString> TScriptedAsker::AskText(QWidget*, const QString& question, const QString& text)
{
    TextQuestions << question + QLatin1Char('|') + text;
    if (Texts.empty()) {
        ADD_FAILURE() << "unexpected text prompt: " << question.toStdString();
        return std::nullopt;
    }
    const std::optional<QString> answer = Texts.front();
    Texts.pop_front();
    return answer;
}

void TScriptedAsker::ShowError(QWidget* parent, const QString& message)
{
    Errors << message;
    const QWindow* window = parent ? parent->window()->windowHandle() : nullptr;
    if (!window || !window->isVisible())
        ErrorsWithoutWindow << message;
}

QString TScriptedAsker::NextFileName(const TFileDialogSpec& setup)
{
    DialogTitles << setup.Title;
    DialogFilters << setup.Filter + QLatin1Char('|') + setup.DefaultSuffix;
    DialogProposals << setup.Proposal;
    if (FileNames.empty()) {
        ADD_FAILURE() << "unexpected file dialog";
        return {};
    }
    const QString name = FileNames.front();
    FileNames.pop_front();
    return name;
}

TEditorFixture::TEditorFixture(const QStringList& settings, const QStringList& commandLine,
                               const std::deque<TAnswer>& startupAnswers)
{
    QFile ini(IniFile());
    if (!settings.isEmpty() && ini.open(QIODevice::WriteOnly))
        ini.write((settings.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    ini.close();
    auto asker = std::make_unique<TScriptedAsker>();
    m_asker = asker.get();
    m_asker->Answers = startupAnswers;
    m_form = std::make_unique<TFormMain>(std::move(asker), std::make_unique<TSettingsStore>(IniFile()));
    auto beeps = m_beeps;
    m_form->MapEditor().Beep = [beeps] { ++*beeps; };
    m_form->SetCommandLineFiles(commandLine);
    m_form->show();
    QApplication::setActiveWindow(m_form.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
}

TEditorFixture::~TEditorFixture()
{
    Close();
}

void TEditorFixture::Close()
{
    if (!m_form)
        return;
    // Nothing may be asked while the test tears the window down.
    m_form->Area().Modified = false;
    m_form.reset();
}

QPoint TEditorFixture::CellCentre(TGridPoint cell) const
{
    const TMapGeometry& g = m_form->MapView().Geometry();
    return QPoint((g.GetLeft(cell.X) + g.GetRight(cell.X)) / 2, (g.GetTop(cell.Y) + g.GetBottom(cell.Y)) / 2);
}

void TEditorFixture::MoveTo(TGridPoint cell, Qt::KeyboardModifiers mods)
{
    // Delivered as the canvas receives them, with the modifiers the test asks for.
    QMouseEvent move(QEvent::MouseMove, CellCentre(cell), Canvas()->mapToGlobal(CellCentre(cell)), Qt::NoButton,
                     Qt::NoButton, mods);
    QApplication::sendEvent(Canvas(), &move);
}

void TEditorFixture::Click(TGridPoint cell, Qt::MouseButton button, Qt::KeyboardModifiers mods)
{
    MoveTo(cell, mods);
    QTest::mouseClick(Canvas(), button, mods, CellCentre(cell));
}

QImage TEditorFixture::Picture()
{
    return Canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void TEditorFixture::ChooseZoom(int index)
{
    Zoom()->setCurrentIndex(index);
    emit Zoom()->activated(index);
}

void TEditorFixture::OpenArea(const QString& name, const TRoomList& area)
{
    WriteAreaFile(Path(name), area);
    m_form->OpenFile(Path(name));
}

TRoom* PlaceRoom(TRoomList& area, TGridPoint cell)
{
    return BuildRoom(area, cell, nullptr).Room;
}

void WriteAreaFile(const QString& fileName, const TRoomList& area)
{
    SaveArea(QFile::encodeName(fileName).toStdString(), area);
}
