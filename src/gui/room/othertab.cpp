#include "gui/room/othertab.h"

#include "gui/room/fieldevents.h"
#include "gui/room/markercolour.h"
#include "gui/room/roomeditsite.h"
#include "model/room.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>
#include <utility>

namespace {
constexpr const char* kNames[3][2] = {{"seDay", "Day"}, {"seNight", "Night"}, {"seAmbient", "Ambient"}};

int32_t& Light(TRoom& room, int index)
{
    return index == 0 ? room.DayLight : index == 1 ? room.NightLight : room.AmbientLight;
}
} // namespace

TOtherTab::TOtherTab(TRoomEditSite& site, QWidget* parent) : QWidget(parent), m_site(site)
{
    setObjectName(QStringLiteral("tsOther"));
    auto* group = new QGroupBox(QStringLiteral("Light"), this);
    group->setObjectName(QStringLiteral("gbLight"));
    auto* form = new QFormLayout(group);
    for (int i = 0; i < 3; ++i) {
        auto* spin = new QSpinBox(group);
        spin->setObjectName(QString::fromLatin1(kNames[i][0]));
        spin->setAccessibleName(QString::fromLatin1(kNames[i][1]));
        spin->setRange(-100, 100);
        spin->setToolTip(QStringLiteral("-9999 = unused value"));
        spin->setStatusTip(spin->toolTip());
        form->addRow(QString::fromLatin1(kNames[i][1]), spin);
        spin->installEventFilter(this);
        connect(spin, &QSpinBox::valueChanged, this, [this, i] { LightChange(i); });
        m_lights[i] = spin;
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch(1);
    connect(&m_site, &TRoomEditSite::CommitWanted, this, [this] {
        for (int i = 0; i < 3; ++i)
            if (TRoomEditSite::IsTypingIn(m_lights[i]))
                LightExit(i);
    });
}

bool TOtherTab::eventFilter(QObject* watched, QEvent* event)
{
    // A level with nothing typed to take back lets Ctrl+Z and Ctrl+Shift+Z reach the area's
    // undo and redo, as they do everywhere outside a text being typed.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        const auto* line = watched->findChild<const QLineEdit*>();
        if (line && ((key->matches(QKeySequence::Undo) && !line->isUndoAvailable()) ||
                     (key->matches(QKeySequence::Redo) && !line->isRedoAvailable()))) {
            event->ignore();
            return true;
        }
    }
    for (int i = 0; i < 3; ++i) {
        if (watched != m_lights[i])
            continue;
        if (IsLeaving(event) && !m_site.Filling)
            LightExit(i);
        else if (IsF5Down(event) && !m_site.InDialog())
            LightF5(i);
    }
    return QWidget::eventFilter(watched, event);
}

void TOtherTab::ShowRoom()
{
    TRoom* room = m_site.Room();
    if (!room)
        return;
    const bool filling = std::exchange(m_site.Filling, true);
    for (int i = 0; i < 3; ++i)
        m_lights[i]->setValue(Light(*room, i));
    // Unchanged values send no change: each field gets its colour here.
    for (int i = 0; i < 3; ++i)
        LightChange(i);
    m_edited = {};
    m_site.Filling = filling;
}

void TOtherTab::LightChange(int index)
{
    if (m_site.InDialog()) {
        m_edited[index] = m_edited[index] || !m_site.Filling;
        return;
    }
    if (TRoom* tpl = m_site.Template())
        PaintFieldMarker(*m_lights[index], m_lights[index]->value() == Light(*tpl, index));
    if (!m_site.Filling) {
        m_edited[index] = true;
        m_site.SetModified();
    }
}

void TOtherTab::LightExit(int index)
{
    TRoom* room = m_site.Room();
    if (!room || !m_edited[index] || Light(*room, index) == m_lights[index]->value())
        return;
    Light(*room, index) = m_lights[index]->value();
    m_site.RecordEdit();
}

void TOtherTab::LightF5(int index)
{
    TRoom* tpl = m_site.Template();
    if (!tpl)
        return;
    Light(*tpl, index) = m_lights[index]->value();
    PaintFieldMarker(*m_lights[index], true);
    m_site.SetModified();
}
