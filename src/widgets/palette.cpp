#include "widgets/palette.h"

namespace zentrivo {

QPalette gamePalette() {
    struct Role {
        QPalette::ColorRole role;
        QRgb normal;    // active and inactive windows
        QRgb disabled;  // disabled controls
    };
    static const Role roles[] = {
        {QPalette::WindowText, 0x000000, 0xbebebe},
        {QPalette::Button, 0xefefef, 0xefefef},
        {QPalette::Light, 0xffffff, 0xffffff},
        {QPalette::Midlight, 0xcacaca, 0xcacaca},
        {QPalette::Dark, 0x9f9f9f, 0xbebebe},
        {QPalette::Mid, 0xb8b8b8, 0xb8b8b8},
        {QPalette::Text, 0x000000, 0xbebebe},
        {QPalette::BrightText, 0xffffff, 0xffffff},
        {QPalette::ButtonText, 0x000000, 0xbebebe},
        {QPalette::Base, 0xffffff, 0xefefef},
        {QPalette::Window, 0xefefef, 0xefefef},
        {QPalette::Shadow, 0x767676, 0xb1b1b1},
        {QPalette::Highlight, 0x308cc6, 0x919191},
        {QPalette::HighlightedText, 0xffffff, 0xffffff},
        {QPalette::Link, 0x0000ff, 0x0000ff},
        {QPalette::LinkVisited, 0xff00ff, 0xff00ff},
        {QPalette::AlternateBase, 0xf7f7f7, 0xf7f7f7},
        {QPalette::NoRole, 0x000000, 0x000000},
        {QPalette::ToolTipBase, 0xffffdc, 0xffffdc},
        {QPalette::ToolTipText, 0x000000, 0x000000},
    };
    QPalette p;
    for (const Role &r : roles) {
        p.setColor(QPalette::Active, r.role, QColor(r.normal));
        p.setColor(QPalette::Inactive, r.role, QColor(r.normal));
        p.setColor(QPalette::Disabled, r.role, QColor(r.disabled));
    }
    // Placeholder text: black at half strength.
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(g, QPalette::PlaceholderText, QColor(0, 0, 0, 128));
    return p;
}

}  // namespace zentrivo
