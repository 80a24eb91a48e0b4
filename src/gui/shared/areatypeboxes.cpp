#include "gui/shared/areatypeboxes.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>

namespace {
// Box captions differ from the type names where the column is narrow.
const char* const kBoxes[AreaTypeCount][2] = {
    {"chbPlain", "Plain"},      {"chbPath", "Path"},         {"chbForest", "Forest"},
    {"chbJungle", "Jungle"},    {"chbHills", "Hills"},       {"chbMountains", "Mountains"},
    {"chbCoast", "Coast"},      {"chbSwamp", "Swamp"},       {"chbDesert", "Desert"},
    {"chbCity", "City"},        {"chbBushes", "Bushes"},     {"chbBuilding", "Building"},
    {"chbCave", "Cave"},        {"chbMine", "Mine"},         {"chbUnderground", "Undergr."},
    {"chbRiver", "River"},      {"chbClouds", "Clouds"},     {"chbField", "Field"}};
constexpr int kLeftColumn = 9;

QList<QCheckBox*> Boxes(const QGroupBox& group)
{
    return group.findChildren<QCheckBox*>(Qt::FindDirectChildrenOnly);
}
} // namespace

namespace {
// Box k-1 gets caption(k) and name(k), the full type name as accessible name.
template <class Caption, class Name>
void AddBoxes(QGroupBox& group, Caption caption, Name name)
{
    auto* grid = new QGridLayout(&group);
    grid->setVerticalSpacing(0);
    for (int i = 0; i < AreaTypeCount; ++i) {
        auto* box = new QCheckBox(caption(i), &group);
        box->setObjectName(name(i));
        box->setAccessibleName(QString::fromLatin1(AreaTypeCaption(i + 1)));
        box->setAccessibleDescription(QStringLiteral("Area type %1").arg(QString::fromLatin1(AreaTypeCaption(i + 1))));
        grid->addWidget(box, i % kLeftColumn, i / kLeftColumn);
    }
}
} // namespace

void AddAreaTypeBoxes(QGroupBox& group)
{
    AddBoxes(
        group, [](int i) { return QString::fromLatin1(kBoxes[i][1]); },
        [](int i) { return QString::fromLatin1(kBoxes[i][0]); });
}

void AddAreaTypeCodeBoxes(QGroupBox& group, const char* namePrefix)
{
    AddBoxes(
        group, [](int i) { return QString::fromLatin1(AreaTypeCode(i + 1)); },
        [namePrefix](int i) { return QString::fromLatin1(namePrefix) + QString::fromLatin1(AreaTypeCode(i + 1)); });
    for (QCheckBox* box : Boxes(group))
        box->setToolTip(box->accessibleName());
}

void IntToAreaTypes(QGroupBox& group, TAreaTypes set)
{
    const QList<QCheckBox*> boxes = Boxes(group);
    for (int k = 1; k <= boxes.size(); ++k)
        boxes[k - 1]->setChecked(HasAreaType(set, k));
}

TAreaTypes GroupBoxToAreaType(const QGroupBox& group)
{
    const QList<QCheckBox*> boxes = Boxes(group);
    TAreaTypes set = 0;
    for (int k = 1; k <= boxes.size(); ++k)
        if (boxes[k - 1]->isChecked())
            set = WithAreaType(set, k);
    return set;
}
