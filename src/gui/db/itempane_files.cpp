// The item pane's file commands, imports and closing question.
#include "gui/db/itempane.h"

#include "db/dbfilename.h"
#include "db/itemimport.h"
#include "gui/document/areadocument.h"
#include "gui/document/itemdocument.h"
#include "gui/shared/asker.h"
#include "gui/shared/waitcursor.h"

#include <QFile>
#include <QPushButton>

namespace {
const QString ChangedQuestion = QStringLiteral("The Item database was changed, do you want to save it?");
const char* const Placeholder = "NONAME.IDB";

std::string Bytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString Path(const std::string& bytes)
{
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}
} // namespace

bool TItemPane::OfferSave()
{
    if (!m_items.Database().Modified)
        return true;
    const TAnswer answer = m_asker.AskYesNoCancel(this, ChangedQuestion);
    if (answer == TAnswer::Cancel)
        return false;
    return answer == TAnswer::No || Save(false);
}

bool TItemPane::New()
{
    if (!OfferSave())
        return false;
    if (!m_asker.AskYesNo(this, QStringLiteral("Do you really want to create new Item database?")))
        return false;
    m_items.New();
    AfterLoad();
    ShowItem(nullptr);
    return true;
}

bool TItemPane::Open()
{
    if (!OfferSave())
        return false;
    TFileDialogSpec setup = PrepareOD(QStringLiteral("idb"));
    setup.Proposal = Path(m_items.Database().FileName);
    const QString name = m_asker.AskOpenFileName(this, setup);
    if (name.isEmpty())
        return false;
    OpenFile(name);
    return true;
}

void TItemPane::OpenFile(const QString& fileName)
{
    // The pane shows what was read also when the file breaks off.
    try {
        m_items.Open(Bytes(fileName));
    } catch (...) {
        AfterLoad();
        throw;
    }
    AfterLoad();
}

void TItemPane::AfterLoad()
{
    m_adding = false;
    SetEditMode(false);
    m_cancelSearch->setEnabled(false);
    DisplayItemList();
}

bool TItemPane::Save(bool askName)
{
    QString name = Path(m_items.Database().FileName);
    if (askName || NeedsSaveDialog(m_items.Database().FileName, Placeholder)) {
        name = m_asker.AskSaveFileName(this, PrepareSD(QStringLiteral("idb")), name);
        if (name.isEmpty())
            return false;
    }
    m_items.SaveAs(WithDatabaseExtension(Bytes(name), ".idb"));
    return true;
}

bool TItemPane::CloseQuery()
{
    return OfferSave();
}

void TItemPane::ShowImportMessage(const TImportCounters& counters)
{
    m_asker.Inform(this, QString::fromStdString(ItemImportMessage(counters)));
}

void TItemPane::SaveSelectedItems(const std::vector<const TItem*>& items)
{
    ShowImportMessage(m_items.SaveItems(items));
}

void TItemPane::ImportArea()
{
    TImportCounters counters;
    {
        const TWaitCursor wait;
        counters = m_items.ImportArea(m_area.Area());
    }
    ShowImportMessage(counters);
    CancelChanges();
}

void TItemPane::ImportFile()
{
    const QString name = m_asker.AskOpenFileName(this, PrepareOD(QStringLiteral("idb")));
    if (name.isEmpty())
        return;
    TImportCounters counters;
    {
        const TWaitCursor wait;
        counters = m_items.ImportFile(Bytes(name));
    }
    ShowImportMessage(counters);
    CancelChanges();
}
