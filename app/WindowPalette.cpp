#include "WindowPalette.h"

#include <iterator>

namespace {

struct RoleColours {
    QPalette::ColorRole role;
    QRgb enabled;  // the active and the inactive group
    QRgb disabled;
};

constexpr RoleColours kRoleColours[] = {
    {QPalette::WindowText, qRgb(0, 0, 0), qRgb(190, 190, 190)},
    {QPalette::Button, qRgb(239, 239, 239), qRgb(239, 239, 239)},
    {QPalette::Light, qRgb(255, 255, 255), qRgb(255, 255, 255)},
    {QPalette::Midlight, qRgb(202, 202, 202), qRgb(202, 202, 202)},
    {QPalette::Dark, qRgb(159, 159, 159), qRgb(190, 190, 190)},
    {QPalette::Mid, qRgb(184, 184, 184), qRgb(184, 184, 184)},
    {QPalette::Text, qRgb(0, 0, 0), qRgb(190, 190, 190)},
    {QPalette::BrightText, qRgb(255, 255, 255), qRgb(255, 255, 255)},
    {QPalette::ButtonText, qRgb(0, 0, 0), qRgb(190, 190, 190)},
    {QPalette::Base, qRgb(255, 255, 255), qRgb(239, 239, 239)},
    {QPalette::Window, qRgb(255, 255, 255), qRgb(255, 255, 255)},
    {QPalette::Shadow, qRgb(118, 118, 118), qRgb(177, 177, 177)},
    {QPalette::Highlight, qRgb(48, 140, 198), qRgb(145, 145, 145)},
    {QPalette::HighlightedText, qRgb(255, 255, 255), qRgb(255, 255, 255)},
    {QPalette::Link, qRgb(0, 0, 255), qRgb(0, 0, 255)},
    {QPalette::LinkVisited, qRgb(255, 0, 255), qRgb(255, 0, 255)},
    {QPalette::AlternateBase, qRgb(247, 247, 247), qRgb(247, 247, 247)},
    {QPalette::NoRole, qRgb(0, 0, 0), qRgb(0, 0, 0)},
    {QPalette::ToolTipBase, qRgb(255, 255, 220), qRgb(255, 255, 220)},
    {QPalette::ToolTipText, qRgb(0, 0, 0), qRgb(0, 0, 0)},
    {QPalette::PlaceholderText, qRgba(0, 0, 0, 128), qRgba(0, 0, 0, 128)},
};

static_assert(std::size(kRoleColours) == QPalette::NColorRoles, "every colour role has its colours");

}  // namespace

QPalette FixedWindowPalette()
{
    QPalette palette;
    for (const RoleColours& colours : kRoleColours) {
        const QColor enabled = QColor::fromRgba(colours.enabled);
        palette.setColor(QPalette::Active, colours.role, enabled);
        palette.setColor(QPalette::Inactive, colours.role, enabled);
        palette.setColor(QPalette::Disabled, colours.role, QColor::fromRgba(colours.disabled));
    }
    return palette;
}
