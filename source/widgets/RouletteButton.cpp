#include "widgets/RouletteButton.h"

#include "widgets/GraphicsDraw.h"
#include "widgets/RYBColor.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <cmath>

namespace nubo
{

//==============================================================================
One_RouletButton_Comp::One_RouletButton_Comp (juce::CriticalSection* ownerLock)
    : m_ownerLock (ownerLock)
{
}

One_RouletButton_Comp::~One_RouletButton_Comp()
{
    setRouletButtonInfo (nullptr);
}

void One_RouletButton_Comp::setRouletButtonInfo (One_RouletButton_Info* info)
{
    if (m_info != nullptr)
    {
        removeMouseListener (m_info);
        removeComponentListener (m_info);

        if (m_info->m_component == this)
            m_info->m_component = nullptr;
    }

    m_info = info;

    if (m_info != nullptr)
    {
        addMouseListener (m_info, true);
        addComponentListener (m_info);
    }
}

void One_RouletButton_Comp::paint (juce::Graphics& g)
{
    if (g.getClipBounds().isEmpty() || m_info == nullptr)
        return;

    const juce::MessageManagerLock mml;
    const juce::ScopedLock sl (*m_ownerLock);
    m_info->paint (g);
}

void One_RouletButton_Comp::modifierKeysChanged (const juce::ModifierKeys&)
{
    if (m_info == nullptr)
        return;

    const juce::ScopedLock sl (m_info->getMouseLock());
    m_info->callModifierKeyChanged (this);
}

//==============================================================================
namespace
{
    /** Cell widths round halves up (22.5 → 23), not to even. */
    int roundHalfAway (float value) noexcept
    {
        return (int) std::lround (value);
    }

    void paintFace (juce::Graphics& g, DrawableImage_FunctionalImage* image, juce::Colour colour)
    {
        juce::Path face;
        face.addRectangle (0.0f, 0.0f, (float) image->getImageWidth(), (float) image->getImageHeight());
        GRAPHICS_DRAW::DrawGradiRect (g, face, colour);
        GRAPHICS_DRAW::DrawRectStroke_WithShadow (g, face);
    }
} // namespace

RouletteButton::RouletteButton (juce::StringArray names, int visibleCount, ROULETTE_TYPE type)
    : m_normalFace (256, 256, juce::Image::ARGB)
    , m_darkFace (256, 256, juce::Image::ARGB)
    , m_names (std::move (names))
    , m_visibleNum (juce::jmax (1, visibleCount))
    , m_maxVisibleNum (juce::jmax (1, visibleCount))
    , m_type (type)
{
    m_normalFace.setRedrawFlag (true);
    m_darkFace.setRedrawFlag (true);

    RouletteButton::_createRouletButonInfo();
    RouletteButton::_createButtonComponent();

    m_normalFace.setImagePaintFunk ([] (juce::Graphics& g, DrawableImage_FunctionalImage* image) {
        paintFace (g, image, RYBColorHelper::m_white_A_Col.colour);
    });

    m_darkFace.setImagePaintFunk ([] (juce::Graphics& g, DrawableImage_FunctionalImage* image) {
        paintFace (g, image, GRAPHICS_DRAW::scaledChannels (RYBColorHelper::m_white_A_Col.colour, 0.8f));
    });
}

RouletteButton::~RouletteButton()
{
    cancelPendingUpdate();
    const juce::ScopedLock sl (m_lock);

    for (auto* button : m_buttons)
        button->setRouletButtonInfo (nullptr);

    m_buttons.clear();
    m_infos.clear();
    m_retiredInfos.clear();
}

bool RouletteButton::isHostStudioOne()
{
    static const bool studioOne = juce::PluginHostType().isStudioOne();
    return studioOne;
}

void RouletteButton::handleAsyncUpdate()
{
    const juce::MessageManagerLock mml;
    const juce::ScopedLock sl (m_lock);
    m_retiredInfos.clear();
}

void RouletteButton::_retireButtonInfos()
{
    for (auto* button : m_buttons)
        button->setRouletButtonInfo (nullptr);

    while (! m_infos.isEmpty())
        m_retiredInfos.add (m_infos.removeAndReturn (m_infos.size() - 1));

    if (! m_retiredInfos.isEmpty())
        triggerAsyncUpdate();
}

void RouletteButton::_setDefaultClosures (One_RouletButton_Info& info)
{
    auto* record = &info;

    record->m_paintFunc = [record] (juce::Graphics& g) {
        auto* cell = record->m_component;

        if (cell == nullptr)
            return;

        const auto bounds = cell->getLocalBounds();
        const bool over = cell->isMouseOver (true);

        g.fillAll (juce::Colours::yellow);
        g.setColour (over ? juce::Colours::black : juce::Colours::white);
        g.drawRect (bounds, 2);

        const float height = (float) juce::jmin (bounds.getWidth(), bounds.getHeight()) / 2.0f * 0.8f;
        g.setFont (juce::Font ("GenEi Antique N", height, juce::Font::plain));
        g.setColour (over ? juce::Colours::red : juce::Colours::black);
        g.drawFittedText (record->m_name, bounds, juce::Justification::centred, 3);
    };

    record->m_mouseWheelFunc = [this] (const juce::MouseEvent&, const juce::MouseWheelDetails& wheel) {
        addCurrentStartIndex (wheel.deltaY > 0.0f ? -1 : 1);
        repaint();
    };

    record->m_mouseDownFunc = [] (const juce::MouseEvent&) {};
}

void RouletteButton::_createRouletButonInfo()
{
    const juce::MessageManagerLock mml;
    const juce::ScopedLock sl (m_lock);

    _retireButtonInfos();

    const int nameCount = m_names.size();
    const int count = juce::jmax (m_maxVisibleNum, nameCount);

    for (int i = 0; i < count; ++i)
    {
        auto* info = m_infos.add (new One_RouletButton_Info());
        info->m_index = i;

        if (nameCount > 0)
            info->m_name = m_names[i % nameCount];

        info->m_owner = this;
        _setDefaultClosures (*info);
    }

    // The start index is kept; cells take it modulo the record count.
    m_startIndex = juce::jmax (0, m_startIndex);
}

void RouletteButton::_createButtonComponent()
{
    const juce::MessageManagerLock mml;
    const juce::ScopedLock sl (m_lock);

    for (auto* button : m_buttons)
    {
        button->setRouletButtonInfo (nullptr);
        removeChildComponent (button);
    }

    m_buttons.clear();

    const int recordCount = m_infos.size();

    for (int k = 0; k < m_maxVisibleNum; ++k)
    {
        auto* button = m_buttons.add (new One_RouletButton_Comp (&m_lock));
        button->setMouseCursor (m_cursor);

        if (recordCount > 0)
        {
            auto* info = m_infos[(m_startIndex + k) % recordCount];
            button->setRouletButtonInfo (info);
            info->m_component = button;
        }

        addAndMakeVisible (button);
    }
}

void RouletteButton::_applyButtonInfoChange()
{
    const juce::MessageManagerLock mml;
    const juce::ScopedLock sl (m_lock);

    for (auto* info : m_infos)
        info->m_component = nullptr;

    const int recordCount = m_infos.size();

    for (int k = 0; k < m_buttons.size(); ++k)
    {
        auto* button = m_buttons[k];

        if (recordCount == 0)
        {
            button->setRouletButtonInfo (nullptr);
            continue;
        }

        auto* info = m_infos[(m_startIndex + k) % recordCount];
        button->setRouletButtonInfo (info);
        info->m_component = button;
        button->repaint();
    }
}

void RouletteButton::_notify (void (RouletteButton_Listener::*callback) (RouletteButton&))
{
    for (int i = 0; i < m_listeners.size(); ++i)
        if (auto* listener = m_listeners[i])
            (listener->*callback) (*this);
}

void RouletteButton::setTargetButtonStringArray (juce::StringArray names, bool notify)
{
    {
        const juce::MessageManagerLock mml;
        const juce::ScopedLock sl (m_lock);
        m_names = std::move (names);
        _createRouletButonInfo();
        _createButtonComponent();
    }

    resized();

    if (notify)
        _notify (&RouletteButton_Listener::onChangeTargetButtonNames);
}

void RouletteButton::setCurrentStartIndex (int index, bool apply, bool notify)
{
    const juce::MessageManagerLock mml;
    const juce::ScopedTryLock tl (m_lock);

    if (! tl.isLocked())
        return;

    const int count = m_infos.size();
    m_startIndex = count > 0 ? ((index % count) + count) % count : 0;

    if (apply)
        _applyButtonInfoChange();

    if (notify)
        _notify (&RouletteButton_Listener::onChangeCurrentIndex);
}

void RouletteButton::addCurrentStartIndex (int delta, bool, bool)
{
    const juce::MessageManagerLock mml;
    const juce::ScopedTryLock tl (m_lock);

    if (! tl.isLocked())
        return;

    const int count = m_infos.size();
    const auto moved = (juce::int64) m_startIndex + (juce::int64) delta;

    if (moved >= count)
        m_startIndex = 0;
    else if (moved < 0)
        m_startIndex = juce::jmax (0, count - 1);
    else
        m_startIndex = (int) moved;

    _applyButtonInfoChange();
    _notify (&RouletteButton_Listener::onChangeCurrentIndex);
}

void RouletteButton::setCurrentStartIndexFromButtonName (juce::String name, bool apply, bool notify)
{
    int found = 0;

    {
        const juce::MessageManagerLock mml;
        const juce::ScopedLock sl (m_lock);

        for (int i = 0; i < m_infos.size(); ++i)
            if (m_infos[i]->m_name == name)
                found = i;
    }

    setCurrentStartIndex (found, apply, notify);
}

void RouletteButton::setVisibleNum (int count, bool apply, bool notify)
{
    if (count < 1 || count > m_maxVisibleNum || count == m_visibleNum)
        return;

    {
        const juce::MessageManagerLock mml;
        const juce::ScopedLock sl (m_lock);
        m_visibleNum = count;
        _createButtonComponent();

        if (apply)
            _applyButtonInfoChange();
    }

    resized();

    if (notify)
        _notify (&RouletteButton_Listener::onChangeVisibleNumType);
}

void RouletteButton::setRoulletType (ROULETTE_TYPE type, bool)
{
    m_type = type;
    resized();
    repaint();
    _notify (&RouletteButton_Listener::onChangeRoulletType);
}

void RouletteButton::addRouletteButtonListner (RouletteButton_Listener* listener)
{
    if (listener != nullptr)
        m_listeners.addIfNotAlreadyThere (listener);
}

void RouletteButton::setOnMouseCursor (juce::MouseCursor newCursor)
{
    if (isHostStudioOne())
        return;

    m_cursor = newCursor;

    for (auto* button : m_buttons)
        button->setMouseCursor (m_cursor);
}

juce::Rectangle<int> RouletteButton::getOneButtonBounds() const
{
    const int w = getWidth(), h = getHeight();

    if (w <= 1 || h <= 1)
        return { 0, 0, w, h };

    switch (m_type)
    {
        case ROULETTE_TYPE_HORIZONTAL:
        {
            const int c = juce::jmin (roundHalfAway ((float) w / (float) m_maxVisibleNum), w);
            return { w - c, 0, c, h };
        }
        case ROULETTE_TYPE_VERTICAL:
            return { 0, 0, w, juce::jmin (h / m_maxVisibleNum, h) };
        case ROULETTE_TYPE_NONE:
        case ROULETTE_TYPE_UNUSED:
        case ROULETTE_TYPE_HORIZONTAL_CENTRED:
        default:
            return { 0, 0, w, h };
    }
}

std::vector<std::optional<juce::Rectangle<int>>> RouletteButton::computeCellBounds (ROULETTE_TYPE type, int width, int height,
                                                                                    int visibleCount, int cellCount)
{
    std::vector<std::optional<juce::Rectangle<int>>> cells ((size_t) juce::jmax (0, cellCount));
    const int W = width, H = height;
    const int n = juce::jmin (visibleCount, cellCount);

    if (W < 2 || H < 2 || n < 1)
        return cells;

    const auto set = [&cells] (int i, juce::Rectangle<int> r) {
        if (i >= 0 && i < (int) cells.size())
            cells[(size_t) i] = r;
    };

    switch (type)
    {
        case ROULETTE_TYPE_VERTICAL:
        {
            const int e = H / n;
            const int h = juce::jmin (e, H);

            for (int i = 0; i < n; ++i)
                set (i, { 0, i * e, W, i == n - 1 ? H - i * e : h });

            break;
        }

        case ROULETTE_TYPE_HORIZONTAL:
        {
            const int e = roundHalfAway ((float) W / (float) n);
            const int c = juce::jmin (e, W);
            const int m = n / 2;
            const int x0 = W / 2;

            for (int i = m; i < n; ++i)
            {
                const int x = x0 + (i - m) * e;
                set (i, { x, 0, i == n - 1 ? juce::jmax (0, W - x) : c, H });
            }

            for (int i = m; i >= 0; --i)
            {
                const int x = x0 - (m - i) * e;
                const int w = juce::jmin (e, W - c);

                if (i == 0)
                    set (i, { 0, 0, juce::jmax (0, x + w), H });
                else
                    set (i, { x, 0, w, H });
            }

            break;
        }

        case ROULETTE_TYPE_HORIZONTAL_CENTRED:
        {
            // Two cells are cut by the edges; fewer than three visible cells share the width as one would.
            const float ef = (float) W / (float) juce::jmax (1, n - 2);
            const int e = roundHalfAway (ef);
            const int c = juce::jmin (e, W);
            const int x0 = (int) ((float) W / 2.0f - ef / 2.0f);
            const int m = n / 2;

            for (int i = m; i < cellCount; ++i)
                set (i, { x0 + (i - m) * e, 0, c, H });

            for (int i = m; i >= 0; --i)
                set (i, { x0 - (m - i) * e, 0, c, H });

            break;
        }

        case ROULETTE_TYPE_NONE:
        case ROULETTE_TYPE_UNUSED:
        default:
            break;
    }

    return cells;
}

void RouletteButton::resized()
{
    const int W = getWidth(), H = getHeight();

    if (W < 2 || H < 2)
        return;

    const juce::MessageManagerLock mml;
    const juce::ScopedLock sl (m_lock);

    const auto cells = computeCellBounds (m_type, W, H, m_visibleNum, m_buttons.size());

    for (size_t i = 0; i < cells.size(); ++i)
        if (cells[i].has_value())
            m_buttons[(int) i]->setBounds (*cells[i]);

    // The faces take the size of a regular cell: the first of a stack, the middle one of a row.
    juce::Rectangle<int> faceSize;
    const int regular = m_type == ROULETTE_TYPE_VERTICAL ? 0 : juce::jmin (m_visibleNum, m_buttons.size()) / 2;

    if (regular < (int) cells.size() && cells[(size_t) regular].has_value())
        faceSize = *cells[(size_t) regular];

    if (faceSize.isEmpty())
        faceSize = getLocalBounds();

    m_normalFace.setImageSize (faceSize, true);
    m_darkFace.setImageSize (faceSize, true);
}

} // namespace nubo
