// The skin-set table and the image choice.
#include "ui/SkinSets.h"

#include "res/Resource.h"

const ButtonSkins kInstallSkins = {
    {IDB_INSTALL, IDB_INSTALL_PRESSED, IDB_INSTALL, IDB_INSTALL_DISABLED},
    {IDB_INSTALL_LIT, IDB_INSTALL_PRESSED, IDB_INSTALL_LIT, IDB_INSTALL_DISABLED},
    {IDB_INSTALL, IDB_INSTALL_PRESSED, IDB_INSTALL, IDB_INSTALL_DISABLED},
};
const ButtonSkins kPlaySkins = {
    {IDB_PLAY, IDB_PLAY_PRESSED, IDB_PLAY, 0},
    {IDB_PLAY_LIT, IDB_PLAY_PRESSED, IDB_PLAY_LIT, IDB_PLAY},
    {IDB_PLAY, IDB_PLAY_PRESSED, IDB_PLAY, IDB_PLAY},
};
const ButtonSkins kBrowseSkins = {
    {IDB_BROWSE, IDB_BROWSE_PRESSED, IDB_BROWSE, IDB_BROWSE},
    {IDB_BROWSE_LIT, IDB_BROWSE_PRESSED, IDB_BROWSE_LIT, IDB_BROWSE},
    {IDB_BROWSE, IDB_BROWSE_PRESSED, IDB_BROWSE, IDB_BROWSE},
};
const ButtonSkins kCloseSkins = {
    {IDB_CLOSE, IDB_CLOSE_PRESSED, IDB_CLOSE, IDB_CLOSE},
    {IDB_CLOSE_LIT, IDB_CLOSE_PRESSED, IDB_CLOSE_LIT, IDB_CLOSE},
    {IDB_CLOSE, IDB_CLOSE_PRESSED, IDB_CLOSE, IDB_CLOSE},
};
// The web link's pressed image is lit in its start set and plain in its idle set.
const ButtonSkins kWebSkins = {
    {IDB_WEB, IDB_WEB_LIT, IDB_WEB, IDB_WEB},
    {IDB_WEB_LIT, IDB_WEB_LIT, IDB_WEB_LIT, IDB_WEB_LIT},
    {IDB_WEB, IDB_WEB, IDB_WEB, IDB_WEB},
};
// Info's idle set has no disabled image.
const ButtonSkins kInfoSkins = {
    {IDB_INFO, IDB_INFO_PRESSED, IDB_INFO, IDB_INFO},
    {IDB_INFO_LIT, IDB_INFO_PRESSED, IDB_INFO_LIT, IDB_INFO_LIT},
    {IDB_INFO, IDB_INFO_PRESSED, IDB_INFO, 0},
};

SkinSlot ChooseSkin(bool pressed, bool focused, bool disabled, bool havePressed, bool haveFocus, bool haveDisabled)
{
    if (pressed && havePressed) return SkinSlot::Pressed;
    if (focused && haveFocus) return SkinSlot::Focus;
    if (disabled && haveDisabled) return SkinSlot::Disabled;
    return SkinSlot::Normal;
}
