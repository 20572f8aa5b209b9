#include "editor/ModifierKeySelector.h"

#include "engine/SafeXml.h"
#include "widgets/FontManager.h"
#include "widgets/GraphicsDraw.h"
#include "widgets/RYBColor.h"

#include <cmath>

namespace nubo
{

namespace
{
    juce::String utf8 (const char* text)
    {
        return juce::String (juce::CharPointer_UTF8 (text));
    }
} // namespace

//==============================================================================
juce::String ModifierKeySelector::getModifierKeyString (MofifierKey key)
{
    switch ((int) key)
    {
        case COMMAND:
            return utf8 (u8"\u2318 Key");
        case OPTION:
            return utf8 (u8"\u2325 Key");
        case SHIFT:
            return utf8 (u8"\u21e7 Key");
        case NONE:
            return " Nothing ";
        default:
            return "Nothing Modifier Key";
    }
}

juce::String ModifierKeySelector::getModifierKeyString (juce::ModifierKeys mods)
{
    if (mods.isCommandDown())
        return getModifierKeyString (COMMAND);

    if (mods.isAltDown())
        return getModifierKeyString (OPTION);

    if (mods.isShiftDown())
        return getModifierKeyString (SHIFT);

    if (mods.isCtrlDown())
        return {};

    return "Nothing";
}

ModifierKeySelector::MofifierKey ModifierKeySelector::keyFromModifiers (juce::ModifierKeys mods) noexcept
{
    if (mods.isCommandDown())
        return COMMAND;

    if (mods.isAltDown())
        return OPTION;

    if (mods.isShiftDown())
        return SHIFT;

    if (mods.isCtrlDown())
        return COMMAND;

    return NONE;
}

bool ModifierKeySelector::isKeyHeld (MofifierKey key, juce::ModifierKeys mods) noexcept
{
    switch (key)
    {
        case COMMAND:
            return mods.isCommandDown();
        case OPTION:
            return mods.isAltDown();
        case SHIFT:
            return mods.isShiftDown();
        case NONE:
        default:
            return false;
    }
}

ModifierKeySelector::MofifierKey ModifierKeySelector::keyFromInt (int value) noexcept
{
    return (value >= 0 && value <= 2) ? (MofifierKey) value : NONE;
}

void ModifierKeySelector::setPrimaryKey (MofifierKey key) noexcept
{
    if (key == secondaryKey)
        secondaryKey = primaryKey;

    primaryKey = key;
}

void ModifierKeySelector::setSecondaryKey (MofifierKey key) noexcept
{
    if (key == primaryKey)
        primaryKey = secondaryKey;

    secondaryKey = key;
}

juce::String ModifierKeySelector::toXMLstring() const
{
    juce::XmlElement element (tagPrefix + settingTag);
    element.setAttribute ("primary_key", (int) primaryKey);
    element.setAttribute ("secondary_key", (int) secondaryKey);

    juce::XmlElement::TextFormat format;
    format.dtd = {};
    format.customEncoding = "UTF-8";
    format.addDefaultHeader = true;
    format.lineWrapLength = 60;
    return element.toString (format);
}

bool ModifierKeySelector::applyXMLstring (const juce::String& text)
{
    const auto xml = SafeXml::parse (text);

    if (xml == nullptr)
        return false;

    const auto p = keyFromInt (SafeXml::intAttribute (*xml, "primary_key", 0));
    const auto s = keyFromInt (SafeXml::intAttribute (*xml, "secondary_key", 0));
    setPrimaryKey (p);
    setSecondaryKey (s);
    return true;
}

//==============================================================================
const char* const ModifierKeySelectorComponent::settingsFileName = "nuboChord_Mod_setting.xml";

namespace
{
    juce::File ensureFolder (const juce::File& folder)
    {
        if (folder.exists() && ! folder.isDirectory())
            folder.deleteFile();

        if (! folder.isDirectory())
            folder.createDirectory();

        return folder;
    }
} // namespace

juce::File ModifierKeySelectorComponent::_getSavingFileDirPath()
{
    const auto executable = juce::File::getSpecialLocation (juce::File::currentExecutableFile).getFileNameWithoutExtension();
    const auto folder = juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory)
                            .getChildFile ("nubo")
                            .getChildFile (executable.isNotEmpty() ? executable : juce::String ("nuboChord2"));
    return ensureFolder (folder);
}

juce::File ModifierKeySelectorComponent::_getSavingFile() const
{
    return ensureFolder (settingsFolder).getChildFile (settingsFileName);
}

ModifierKeySelectorComponent::ModifierKeySelectorComponent (juce::File folder)
    : settingsFolder (std::move (folder))
{
    setWantsKeyboardFocus (true);
    setRepaintsOnMouseActivity (true);

    const auto file = _getSavingFile();

    if (file.existsAsFile())
        applyXMLstring (file.loadFileAsString());
    else
        _save();

    lastModifiers = juce::ModifierKeys::getCurrentModifiers();
}

void ModifierKeySelectorComponent::_save() const
{
    const auto file = _getSavingFile();

    if (file.isDirectory())
        return;

    const juce::TemporaryFile temp (file);

    {
        juce::FileOutputStream out (temp.getFile(), 16384);

        if (! out.openedOk())
            return;

        out.writeText (toXMLstring(), false, false, nullptr);
        out.flush();

        if (out.getStatus().failed())
            return;
    }

    temp.overwriteTargetFileWithTemporary();
}

void ModifierKeySelectorComponent::resized()
{
    const int w = getWidth(), h = getHeight();
    const int half = w / 2;
    mod1Bounds = { 0, 0, half, h };
    mod2Bounds = { half, 0, w - half, h };
    labelFontHeight = (int) ((float) h / 2.5f);
}

std::optional<juce::Point<int>> ModifierKeySelectorComponent::_getPointerPosition() const
{
    if (! isMouseOver (true))
        return std::nullopt;

    return getMouseXYRelative();
}

juce::ModifierKeys ModifierKeySelectorComponent::_getCurrentModifiers() const
{
    return juce::ModifierKeys::getCurrentModifiersRealtime();
}

bool ModifierKeySelectorComponent::_isPointerIn (juce::Rectangle<int> bounds) const
{
    const auto pointer = _getPointerPosition();
    return pointer.has_value() && bounds.contains (*pointer);
}

void ModifierKeySelectorComponent::mouseEnter (const juce::MouseEvent&)
{
    grabKeyboardFocus();

    if (notificationStrip != nullptr)
        notificationStrip->addNotificationText ("Change Modifier Key");

    repaint();
}

void ModifierKeySelectorComponent::mouseExit (const juce::MouseEvent&)
{
    if (notificationStrip != nullptr)
        notificationStrip->addNotificationText (" information ");

    repaint();
}

void ModifierKeySelectorComponent::mouseMove (const juce::MouseEvent& e)
{
    int hovered = hoveredButton;

    if (mod1Bounds.contains (e.getPosition()))
        hovered = 0;
    else if (mod2Bounds.contains (e.getPosition()))
        hovered = 1;

    if (hovered != hoveredButton)
    {
        hoveredButton = hovered;
        repaint();
    }
}

void ModifierKeySelectorComponent::modifierKeysChanged (const juce::ModifierKeys& mods)
{
    lastModifiers = mods;
    const auto key = keyFromModifiers (mods);

    if (key != NONE && _isPointerIn (mod1Bounds))
    {
        setPrimaryKey (key);

        if (secondaryKey == NONE)
            secondaryKey = (MofifierKey) (((int) key + 1) % 3);
    }
    else if (key != NONE && _isPointerIn (mod2Bounds))
    {
        setSecondaryKey (key);
    }

    repaint();
    _save();
}

void ModifierKeySelectorComponent::_drawOneButton (juce::Graphics& g, juce::Rectangle<int> bounds) const
{
    juce::Path path;
    path.addRectangle (bounds.toFloat());

    GRAPHICS_DRAW::DrawGradiRect (g, path, GRAPHICS_DRAW::scaledChannels (RYBColorHelper::m_white_A_Col.colour, 0.8f));

    const float h = (float) bounds.getHeight();

    if (h > 0.0f)
    {
        const float middle = (float) bounds.getY() + h / 2.0f;
        g.setColour (juce::Colour (0x66ffffff));
        g.strokePath (path, juce::PathStrokeType (1.0f), juce::AffineTransform::scale (1.0f, (h - 1.6f) / h, 0.0f, middle));
    }

    g.setColour (juce::Colours::black.withAlpha ((juce::uint8) 0xb3));
    g.strokePath (path, juce::PathStrokeType (1.0f));
}

void ModifierKeySelectorComponent::_drawLabel (juce::Graphics& g, juce::Rectangle<int> bounds, const juce::String& idleLabel,
                                               const juce::String& setLabel, MofifierKey key) const
{
    const auto font = FontManager::getFont (FontManager::OS_DEFAULT, labelFontHeight, juce::Font::bold, 0.1f);
    g.setFont (font);

    const auto idleText = idleLabel + getModifierKeyString (key);

    if (! _isPointerIn (bounds))
    {
        g.setColour (juce::Colours::black);
        g.drawFittedText (idleText, bounds, juce::Justification::centred, 2);
        return;
    }

    const auto mods = _getCurrentModifiers();
    g.setColour (mods.isAnyMouseButtonDown() ? juce::Colours::black.withAlpha ((juce::uint8) 0x7f) : juce::Colours::black);
    g.drawRect (bounds, 2);

    if (! mods.isAnyModifierKeyDown())
    {
        g.setColour (juce::Colours::black);
        g.drawFittedText (idleText, bounds, juce::Justification::centred, 2);
        return;
    }

    const auto keyText = getModifierKeyString (mods);
    const int setWidth = (int) std::ceil (font.getStringWidthFloat (setLabel));
    const int keyWidth = (int) std::ceil (font.getStringWidthFloat (keyText));
    const int left = bounds.getX() + (bounds.getWidth() - setWidth - keyWidth) / 2;
    const int y = bounds.getY() + bounds.getHeight() / 2 - labelFontHeight / 2;

    g.setColour (juce::Colours::black);
    g.drawText (setLabel, left, y, setWidth, labelFontHeight, juce::Justification::centred, false);
    g.setColour (juce::Colours::red);
    g.drawText (keyText, left + setWidth, y, keyWidth, labelFontHeight, juce::Justification::centred, false);
}

void ModifierKeySelectorComponent::paint (juce::Graphics& g)
{
    g.reduceClipRegion (getLocalBounds());

    if (g.getClipBounds().isEmpty())
        return;

    _drawOneButton (g, mod1Bounds);
    _drawOneButton (g, mod2Bounds);
    _drawLabel (g, mod1Bounds, "Mod 1 : ", "Set Mod 1 To ", primaryKey);
    _drawLabel (g, mod2Bounds, "Mod 2 : ", "Set Mod 2 To ", secondaryKey);
}

} // namespace nubo
