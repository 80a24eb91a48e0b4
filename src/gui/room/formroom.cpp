#include "gui/room/formroom.h"

#include "gui/room/exitstab.h"
#include "gui/room/itemstab.h"
#include "gui/room/maintab.h"
#include "gui/room/othertab.h"
#include "gui/room/roomeditsite.h"
#include "gui/shared/controlnames.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TFormRoom::TFormRoom(TAsker& asker, QWidget* parent)
    : QDialog(parent), m_workRoom(std::make_unique<TRoom>()),
      m_site(std::make_unique<TRoomEditSite>(*m_workRoom, asker))
{
    setObjectName(QStringLiteral("FormRoom"));
    setWindowTitle(QStringLiteral("Default room - details"));
    setModal(true);

    auto* bar = new QHBoxLayout;
    m_info = new QLabel(this);
    m_info->setObjectName(QStringLiteral("lInfo"));
    m_info->setAccessibleName(QStringLiteral("Default room"));
    QFont bold = m_info->font();
    bold.setBold(true);
    m_info->setFont(bold);
    QPalette blue = m_info->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    m_info->setPalette(blue);
    m_save = new QPushButton(QStringLiteral("&Save"), this);
    NameControl(*m_save, QStringLiteral("bbSave"), QStringLiteral("Save"),
                QStringLiteral("Keeps the changes of the default room"));
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    NameControl(*m_cancel, QStringLiteral("bbCancel"), QStringLiteral("Cancel"),
                QStringLiteral("Closes the dialog without changing the default room"));
    // Enter in a field must not close the dialog before the field is left.
    m_save->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    bar->addWidget(m_info, 1);
    bar->addWidget(m_save);
    bar->addWidget(m_cancel);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("pcRoom"));
    m_main = new TMainTab(*m_site, m_tabs);
    m_items = new TItemsTab(*m_site, m_tabs);
    m_exits = new TExitsTab(*m_site, m_tabs);
    m_other = new TOtherTab(*m_site, m_tabs);
    m_tabs->addTab(m_main, QStringLiteral("Main"));
    m_tabs->addTab(m_items, QStringLiteral("Items"));
    m_tabs->addTab(m_exits, QStringLiteral("Spec.Exits"));
    m_tabs->addTab(m_other, QStringLiteral("Other"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_tabs, 1);
    resize(560, 380);

    connect(m_save, &QPushButton::clicked, this, &TFormRoom::accept);
    connect(m_cancel, &QPushButton::clicked, this, &TFormRoom::reject);
}

TFormRoom::~TFormRoom()
{
    // Fields left while hiding still reach the site and the room, which go before the tabs.
    hide();
}

void TFormRoom::SetDialogArea(TRoomList* area)
{
    m_site->SetDialogArea(area);
}

void TFormRoom::SetInfo(const QString& text)
{
    m_info->setText(text);
}

void TFormRoom::Prepare(const TRoom& room)
{
    m_tabs->setCurrentWidget(m_main);
    m_workRoom->Assign(room);
    m_site->SetCurrentItem(nullptr);
    m_site->Filling = true;
    m_main->ShowRoom();
    m_items->ShowRoom();
    m_other->ShowRoom();
    m_exits->ShowRoom();
    m_site->Filling = false;
}

void TFormRoom::accept()
{
    // A field still being typed into keeps its text.
    m_site->CommitTyping();
    m_workRoom->AreaTypes = m_main->CheckedAreaTypes();
    QDialog::accept();
}
