// Skin sets of the five buttons and the choice of image for a draw request.
#pragma once

// Four bitmap resource ids: normal, pressed, focus, disabled; 0 = no image for that state.
struct SkinSet {
    unsigned normal;
    unsigned pressed;
    unsigned focus;
    unsigned disabled;
};

// A button's start, hover and idle sets.
struct ButtonSkins {
    SkinSet start;
    SkinSet hover;
    SkinSet idle;
};

extern const ButtonSkins kInstallSkins;
extern const ButtonSkins kPlaySkins;  // start set: loaded at the switch to Play
extern const ButtonSkins kBrowseSkins;
extern const ButtonSkins kCloseSkins;
extern const ButtonSkins kWebSkins;
extern const ButtonSkins kInfoSkins;

enum class SkinSlot { Normal, Pressed, Focus, Disabled };

// Which image a draw request shows: pressed over focused over disabled over normal,
// a state whose image is missing falling through to the next test.
SkinSlot ChooseSkin(bool pressed, bool focused, bool disabled, bool havePressed, bool haveFocus, bool haveDisabled);
