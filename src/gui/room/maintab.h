#pragma once
// The "Main" tab: file name, short text, the long descriptions and the area types.
#include "model/areatypes.h"

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TRoomEditSite;
struct TRoomDescription;

class TMainTab : public QWidget {
    Q_OBJECT
public:
    TMainTab(TRoomEditSite& site, QWidget* parent);

    // Fills the controls from the site's room (none: leaves them alone).
    void ShowRoom();
    // The ticked boxes; the room dialog takes them over only on "&Save".
    TAreaTypes CheckedAreaTypes() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The field the keyboard is in stores its text.
    void CommitTyping();
    void FilenameExit();
    void ShortExit();
    void ShortF5();
    // Shows the description the "Type" list names; a missing one shows empty and is made
    // only when text is typed into it.
    void TypeChange();
    void LongExit();
    void LongChange();
    void LongResize();
    void ToSentencesClick();
    void AppendSentence(const std::string& sentence);
    void AreaTypeClick();
    void AreaTypesF5();
    void ToDefaultClick();
    // The marker colour of the 18 boxes.
    void UpdateActiveColors(bool same);
    // The description the "Type" list names; none when the room has none of that name.
    TRoomDescription* ChosenDescription() const;

    TRoomEditSite& m_site;
    QLineEdit* m_filename;
    QLineEdit* m_short;
    QComboBox* m_type;
    QPlainTextEdit* m_long;
    QPushButton* m_toDefault = nullptr;
    QPushButton* m_toSentences = nullptr;
    QGroupBox* m_areaTypes;
};
