#pragma once

#include "editor/NotificationText.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <optional>

namespace nubo
{

/** The two user-assignable modifier keys (Mod 1, Mod 2) and their names. */
class ModifierKeySelector
{
public:
    enum MofifierKey
    {
        COMMAND = 0,
        OPTION = 1,
        SHIFT = 2,
        NONE = 3
    };

    ModifierKeySelector() = default;

    /** "⌘ Key", "⌥ Key", "⇧ Key", " Nothing ", or "Nothing Modifier Key" for any other value. */
    static juce::String getModifierKeyString (MofifierKey key);
    /** The name of the held key (command, then alt, then shift); empty when only control is held. */
    static juce::String getModifierKeyString (juce::ModifierKeys mods);
    /** The key index a set of modifier flags selects: command, alt, shift, control (as command), else none. */
    static MofifierKey keyFromModifiers (juce::ModifierKeys mods) noexcept;
    /** True when the flags hold the key; none is never held. */
    static bool isKeyHeld (MofifierKey key, juce::ModifierKeys mods) noexcept;
    /** 0, 1 and 2 stay; anything else becomes none. */
    static MofifierKey keyFromInt (int value) noexcept;

    /** Sets Mod 1; when Mod 2 already has that key, Mod 2 takes the old Mod 1. */
    void setPrimaryKey (MofifierKey key) noexcept;
    /** Sets Mod 2; when Mod 1 already has that key, Mod 1 takes the old Mod 2. */
    void setSecondaryKey (MofifierKey key) noexcept;
    MofifierKey getPrimaryKey() const noexcept { return primaryKey; }
    MofifierKey getSecondaryKey() const noexcept { return secondaryKey; }

    /** The settings document. */
    juce::String toXMLstring() const;
    /** Applies a settings document; returns false (and changes nothing) when it does not parse. */
    bool applyXMLstring (const juce::String& text);

protected:
    // Not deleted through this base.
    ~ModifierKeySelector() = default;

    juce::String settingTag { "ModifierKeySelector_SETTING" };
    MofifierKey primaryKey = COMMAND;
    MofifierKey secondaryKey = OPTION;
    juce::String tagPrefix;
};

/** The two-button strip where the user points at Mod 1 or Mod 2 and presses a modifier key to
    assign it. The assignments are kept in a small settings file shared by every instance. */
class ModifierKeySelectorComponent : public juce::Component
    , public ModifierKeySelector
{
public:
    /** Reads the settings file in the folder (creating it with the defaults when missing). */
    explicit ModifierKeySelectorComponent (juce::File settingsFolder = _getSavingFileDirPath());
    ~ModifierKeySelectorComponent() override = default;

    void resized() override;
    void paint (juce::Graphics&) override;
    void mouseEnter (const juce::MouseEvent&) override;
    void mouseExit (const juce::MouseEvent&) override;
    void mouseMove (const juce::MouseEvent&) override;
    void mouseDown (const juce::MouseEvent&) override {}
    void modifierKeysChanged (const juce::ModifierKeys& mods) override;

    /** The per-user settings folder, created when missing (a non-folder item there is replaced). */
    static juce::File _getSavingFileDirPath();
    /** "nuboChord_Mod_setting.xml" in the settings folder (the folder is created when missing). */
    juce::File _getSavingFile() const;

    void setNotificationTextComponent (NotificationText_Base* strip) noexcept { notificationStrip = strip; }

    int getHoveredButton() const noexcept { return hoveredButton; }
    juce::Rectangle<int> getMod1ButtonBounds() const noexcept { return mod1Bounds; }
    juce::Rectangle<int> getMod2ButtonBounds() const noexcept { return mod2Bounds; }
    int getLabelFontHeight() const noexcept { return labelFontHeight; }
    juce::ModifierKeys getLastModifiers() const noexcept { return lastModifiers; }

    static const char* const settingsFileName;

protected:
    /** Where the pointer is now, relative to this component, or nothing when it is elsewhere. */
    virtual std::optional<juce::Point<int>> _getPointerPosition() const;
    /** The modifier keys and mouse buttons held now. */
    virtual juce::ModifierKeys _getCurrentModifiers() const;

    void _drawOneButton (juce::Graphics& g, juce::Rectangle<int> bounds) const;
    void _drawLabel (juce::Graphics& g, juce::Rectangle<int> bounds, const juce::String& idleLabel,
                     const juce::String& setLabel, MofifierKey key) const;
    /** Writes the settings document, replacing the file in one step. */
    void _save() const;
    bool _isPointerIn (juce::Rectangle<int> bounds) const;

    int hoveredButton = 2;
    juce::ModifierKeys lastModifiers;
    NotificationText_Base* notificationStrip = nullptr;
    juce::Rectangle<int> mod1Bounds { 0, 0, 100, 100 };
    juce::Rectangle<int> mod2Bounds { 0, 0, 100, 100 };
    int labelFontHeight = 14;

private:
    juce::File settingsFolder;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ModifierKeySelectorComponent)
};

} // namespace nubo
