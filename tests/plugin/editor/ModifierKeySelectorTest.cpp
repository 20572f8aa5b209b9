#include "editor/ModifierKeySelector.h"

#include "../widgets/WidgetTestHelpers.h"

#include <gtest/gtest.h>

namespace
{

using Key = nubo::ModifierKeySelector::MofifierKey;
using nubo::test::utf8;

/** A selector whose pointer position and held keys are set by the test. */
class TestSelector final : public nubo::ModifierKeySelectorComponent
{
public:
    using nubo::ModifierKeySelectorComponent::ModifierKeySelectorComponent;

    std::optional<juce::Point<int>> pointer;
    juce::ModifierKeys held;

    void press (int keyFlags)
    {
        held = juce::ModifierKeys (keyFlags);
        modifierKeysChanged (held);
    }

protected:
    std::optional<juce::Point<int>> _getPointerPosition() const override { return pointer; }
    juce::ModifierKeys _getCurrentModifiers() const override { return held; }
};

struct Recorder final : public nubo::NotificationText_Base
{
    void _OnChangeNotificationText() override {}
};

class ModifierKeySelectorTest : public ::testing::Test
{
protected:
    juce::TemporaryFile folderName;
    juce::File folder;

    void SetUp() override
    {
        folder = folderName.getFile();
        ASSERT_TRUE (folder.createDirectory());
    }

    void TearDown() override { folder.deleteRecursively(); }

    juce::File settings() const { return folder.getChildFile ("nuboChord_Mod_setting.xml"); }

    std::unique_ptr<TestSelector> make()
    {
        auto selector = std::make_unique<TestSelector> (folder);
        selector->setBounds (0, 0, 200, 50);
        return selector;
    }

    std::pair<int, int> savedKeys() const
    {
        const auto xml = juce::parseXML (settings());
        if (xml == nullptr)
            return { -1, -1 };
        return { xml->getIntAttribute ("primary_key", -1), xml->getIntAttribute ("secondary_key", -1) };
    }

    static juce::Point<int> overMod1() { return { 50, 25 }; }
    static juce::Point<int> overMod2() { return { 150, 25 }; }
};

TEST_F (ModifierKeySelectorTest, NamesOfKeysAndHeldModifiers)
{
    using S = nubo::ModifierKeySelector;
    EXPECT_EQ (S::getModifierKeyString (Key::COMMAND), utf8 (u8"\u2318 Key"));
    EXPECT_EQ (S::getModifierKeyString (Key::OPTION), utf8 (u8"\u2325 Key"));
    EXPECT_EQ (S::getModifierKeyString (Key::SHIFT), utf8 (u8"\u21e7 Key"));
    EXPECT_EQ (S::getModifierKeyString (Key::NONE), " Nothing ");
    EXPECT_EQ (S::getModifierKeyString ((Key) 7), "Nothing Modifier Key");

    using M = juce::ModifierKeys;
    EXPECT_EQ (S::getModifierKeyString (M (M::commandModifier | M::shiftModifier)), utf8 (u8"\u2318 Key"));
    EXPECT_EQ (S::getModifierKeyString (M (M::altModifier | M::shiftModifier)), utf8 (u8"\u2325 Key"));
    EXPECT_EQ (S::getModifierKeyString (M (M::shiftModifier)), utf8 (u8"\u21e7 Key"));
    // Control alone names nothing, except where control is the command key itself.
    const bool controlIsCommand = M::ctrlModifier == M::commandModifier;
    EXPECT_EQ (S::getModifierKeyString (M (M::ctrlModifier)), controlIsCommand ? utf8 (u8"\u2318 Key") : juce::String());
    EXPECT_EQ (S::getModifierKeyString (M()), "Nothing");

    EXPECT_TRUE (S::isKeyHeld (Key::SHIFT, M (M::shiftModifier)));
    EXPECT_FALSE (S::isKeyHeld (Key::NONE, M (M::allKeyboardModifiers)));
}

TEST_F (ModifierKeySelectorTest, NewUserGetsDefaultsAndAFile)
{
    auto selector = make();
    EXPECT_EQ (selector->getPrimaryKey(), Key::COMMAND);
    EXPECT_EQ (selector->getSecondaryKey(), Key::OPTION);
    ASSERT_TRUE (settings().existsAsFile());
    EXPECT_EQ (savedKeys(), std::make_pair (0, 1));

    const auto text = settings().loadFileAsString();
    EXPECT_TRUE (text.startsWith ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    EXPECT_TRUE (text.contains ("<ModifierKeySelector_SETTING primary_key=\"0\" secondary_key=\"1\"/>"));
    EXPECT_EQ (folder.findChildFiles (juce::File::findFiles, false).size(), 1) << "no temporary file is left behind";
}

TEST_F (ModifierKeySelectorTest, AFileWhereTheFolderBelongsIsReplacedByTheFolder)
{
    const auto nested = folder.getChildFile ("settings");
    ASSERT_TRUE (nested.replaceWithText ("not a folder"));

    TestSelector selector (nested);
    EXPECT_TRUE (nested.isDirectory());
    EXPECT_TRUE (nested.getChildFile ("nuboChord_Mod_setting.xml").existsAsFile());

    // A folder standing where the settings file belongs is left alone; the defaults stay.
    const auto blocked = folder.getChildFile ("blocked");
    ASSERT_TRUE (blocked.getChildFile ("nuboChord_Mod_setting.xml").createDirectory());
    TestSelector stuck (blocked);
    stuck.pointer = overMod1();
    stuck.press (juce::ModifierKeys::shiftModifier);
    EXPECT_EQ (stuck.getPrimaryKey(), Key::SHIFT);
    EXPECT_TRUE (blocked.getChildFile ("nuboChord_Mod_setting.xml").isDirectory());
}

TEST_F (ModifierKeySelectorTest, FileContentsAreReadThroughTheSwapRule)
{
    struct Case
    {
        const char* text;
        Key primary;
        Key secondary;
    };
    const Case cases[] = {
        { "<S primary_key=\"2\" secondary_key=\"0\"/>", Key::SHIFT, Key::COMMAND },
        { "<S primary_key=\"1\" secondary_key=\"1\"/>", Key::COMMAND, Key::OPTION },
        { "<S/>", Key::OPTION, Key::COMMAND },
        { "<S primary_key=\"0\" secondary_key=\"7\"/>", Key::COMMAND, Key::NONE },
        { "<S primary_key=\"99999999999999\" secondary_key=\"-1\"/>", Key::OPTION, Key::NONE }, // none, then none swaps
        { "<S primary_key=\"1", Key::COMMAND, Key::OPTION },                                    // corrupt: defaults
        { "", Key::COMMAND, Key::OPTION },
    };

    for (const auto& c : cases)
    {
        ASSERT_TRUE (settings().replaceWithText (c.text));
        auto selector = make();
        EXPECT_EQ (selector->getPrimaryKey(), c.primary) << c.text;
        EXPECT_EQ (selector->getSecondaryKey(), c.secondary) << c.text;
        EXPECT_EQ (settings().loadFileAsString(), c.text) << "reading never rewrites the file";
    }
}

TEST_F (ModifierKeySelectorTest, PressingKeysOverTheButtonsAssignsThem)
{
    using M = juce::ModifierKeys;
    auto selector = make();

    selector->pointer = overMod1();
    selector->press (M::shiftModifier);
    EXPECT_EQ (selector->getPrimaryKey(), Key::SHIFT);
    EXPECT_EQ (selector->getSecondaryKey(), Key::OPTION);
    EXPECT_EQ (savedKeys(), std::make_pair (2, 1));

    selector->press (M::altModifier); // the key Mod 2 holds: swap
    EXPECT_EQ (selector->getPrimaryKey(), Key::OPTION);
    EXPECT_EQ (selector->getSecondaryKey(), Key::SHIFT);

    selector->pointer = overMod2();
    selector->press (M::altModifier); // Mod 1's key over Mod 2: swap back
    EXPECT_EQ (selector->getPrimaryKey(), Key::SHIFT);
    EXPECT_EQ (selector->getSecondaryKey(), Key::OPTION);

    selector->pointer = overMod1();
    selector->press (M::ctrlModifier); // control alone counts as command
    EXPECT_EQ (selector->getPrimaryKey(), Key::COMMAND);
    EXPECT_EQ (savedKeys(), std::make_pair (0, 1));

    // Releasing assigns nothing but still rewrites the file; so does a press away from the buttons.
    settings().replaceWithText ("stale");
    selector->press (0);
    EXPECT_EQ (savedKeys(), std::make_pair (0, 1));
    settings().replaceWithText ("stale");
    selector->pointer.reset();
    selector->press (M::shiftModifier);
    EXPECT_EQ (selector->getPrimaryKey(), Key::COMMAND);
    EXPECT_EQ (savedKeys(), std::make_pair (0, 1));
}

TEST_F (ModifierKeySelectorTest, SecondaryNoneIsReplacedByTheNextKey)
{
    ASSERT_TRUE (settings().replaceWithText ("<S primary_key=\"0\" secondary_key=\"7\"/>"));
    auto selector = make();
    selector->pointer = overMod1();
    selector->press (juce::ModifierKeys::altModifier);

    EXPECT_EQ (selector->getPrimaryKey(), Key::OPTION);
    EXPECT_EQ (selector->getSecondaryKey(), Key::SHIFT);
}

TEST_F (ModifierKeySelectorTest, LayoutHoverAndNotifications)
{
    auto selector = make();
    Recorder strip;
    selector->setNotificationTextComponent (&strip);

    EXPECT_EQ (selector->getMod1ButtonBounds(), juce::Rectangle<int> (0, 0, 100, 50));
    EXPECT_EQ (selector->getMod2ButtonBounds(), juce::Rectangle<int> (100, 0, 100, 50));
    EXPECT_EQ (selector->getLabelFontHeight(), 20);
    selector->setBounds (0, 0, 201, 51);
    EXPECT_EQ (selector->getMod2ButtonBounds(), juce::Rectangle<int> (100, 0, 101, 51));

    EXPECT_EQ (selector->getHoveredButton(), 2);
    selector->mouseMove (nubo::test::mouseEventAt (*selector, { 150.0f, 10.0f }));
    EXPECT_EQ (selector->getHoveredButton(), 1);
    selector->mouseMove (nubo::test::mouseEventAt (*selector, { 500.0f, 10.0f }));
    EXPECT_EQ (selector->getHoveredButton(), 1) << "outside both nothing changes";

    selector->mouseEnter (nubo::test::mouseEventAt (*selector, { 10.0f, 10.0f }));
    EXPECT_EQ (strip.getHistory().front(), "Change Modifier Key");
    selector->mouseExit (nubo::test::mouseEventAt (*selector, { 10.0f, 10.0f }));
    EXPECT_EQ (strip.getHistory().front(), " information ");
}

TEST_F (ModifierKeySelectorTest, PaintShowsTheHeldKeyInRedOverTheButton)
{
    auto selector = make();
    selector->setBounds (0, 0, 400, 60);

    const auto countRed = [] (const juce::Image& image, juce::Rectangle<int> area) {
        int red = 0;
        for (int y = area.getY(); y < area.getBottom(); ++y)
            for (int x = area.getX(); x < area.getRight(); ++x)
            {
                const auto c = image.getPixelAt (x, y);
                red += (c.getRed() > 180 && c.getGreen() < 90 && c.getBlue() < 90) ? 1 : 0;
            }
        return red;
    };

    const auto idle = nubo::test::snapshot (*selector);
    EXPECT_EQ (countRed (idle, selector->getLocalBounds()), 0);

    // The face is the dark gradient: m_white_A_Col × 0.8 = 179 in the middle of 185 → 159.
    const auto face = idle.getPixelAt (3, 30);
    EXPECT_NEAR (face.getRed(), 172, 4) << nubo::test::rgbOf (face);

    selector->pointer = juce::Point<int> (300, 30);
    selector->held = juce::ModifierKeys (juce::ModifierKeys::commandModifier);
    const auto holding = nubo::test::snapshot (*selector);
    EXPECT_GT (countRed (holding, selector->getMod2ButtonBounds()), 10);
    EXPECT_EQ (countRed (holding, selector->getMod1ButtonBounds()), 0);
    EXPECT_EQ (holding.getPixelAt (201, 30), juce::Colours::black) << "the hovered button's 2-pixel frame";
}

} // namespace
