#include "editor/NotificationText.h"

#include <gtest/gtest.h>

namespace
{

using History = std::deque<juce::String>;

/** Counts change notifications instead of repainting. */
struct CountingStrip final : public nubo::NotificationText_Base
{
    void _OnChangeNotificationText() override { ++changes; }
    int changes = 0;
};

TEST (NotificationText, KeepsTheNewestEntriesNewestFirst)
{
    CountingStrip strip;
    EXPECT_EQ (strip.getHistory(), (History { "", "", "" }));
    EXPECT_EQ (strip.getVisibleText(), "\n");

    for (auto* text : { "A", "B", "C", "D" })
        strip.addNotificationText (text);

    EXPECT_EQ (strip.getHistory(), (History { "D", "C", "B" }));
    EXPECT_EQ (strip.getVisibleText(), "D\n");
    EXPECT_EQ (strip.changes, 4);

    strip.setVisiblueLineNum (2);
    EXPECT_EQ (strip.getVisibleText(), "D\nC\n");
}

TEST (NotificationText, SizeAndVisibleLineRules)
{
    CountingStrip strip;
    strip.addNotificationText ("A");

    strip.setMaxDequeSize (0);
    EXPECT_EQ (strip.getMaxDequeSize(), 1);
    EXPECT_EQ (strip.getHistory(), (History { "" }));

    strip.addNotificationText ("B");
    strip.setMaxDequeSize (5);
    EXPECT_EQ (strip.getHistory(), History (5, juce::String()));

    strip.setVisiblueLineNum (10);
    EXPECT_EQ (strip.getVisibleLineNum(), 5);
    strip.setVisiblueLineNum (0);
    EXPECT_EQ (strip.getVisibleText(), "");
    EXPECT_EQ (strip.changes, 6);

    // The visible count is not shortened when the history shrinks afterwards.
    strip.setVisiblueLineNum (4);
    strip.setMaxDequeSize (2);
    EXPECT_EQ (strip.getVisibleLineNum(), 4);
    strip.addNotificationText ("X");
    EXPECT_EQ (strip.getVisibleText(), "X\n\n");
}

TEST (NotificationText, ComponentPaintsTheNewestLinesOnly)
{
    nubo::NotificationText_Component strip;
    strip.textColour = juce::Colours::white;
    strip.setBounds (0, 0, 300, 40);
    strip.setVisiblueLineNum (2);

    const auto inkIn = [] (const juce::Image& image, int top, int bottom) {
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < image.getWidth(); ++x)
                count += image.getPixelAt (x, y).getAlpha() > 0x80 ? 1 : 0;
        return count;
    };

    EXPECT_EQ (inkIn (strip.createComponentSnapshot (strip.getLocalBounds(), false), 0, 40), 0)
        << "empty texts and no background";

    strip.addNotificationText ("Older line");
    strip.addNotificationText ("Newest");
    const auto image = strip.createComponentSnapshot (strip.getLocalBounds(), false);
    EXPECT_GT (inkIn (image, 0, 20), 30) << "first line";
    EXPECT_GT (inkIn (image, 20, 40), 30) << "second line";
    EXPECT_EQ (image.getPixelAt (150, 0).getAlpha(), 0);

    // Posting with no size still records the text.
    nubo::NotificationText_Component hidden;
    hidden.addNotificationText ("kept");
    EXPECT_EQ (hidden.getHistory().front(), "kept");
}

} // namespace
