#pragma once

#include <juce_graphics/juce_graphics.h>

#include <vector>

namespace nubo
{

template <typename T>
class Point_2D
{
public:
    Point_2D() = default;
    Point_2D (T px, T py) noexcept
        : x (px)
        , y (py)
    {}

    bool operator== (const Point_2D& other) const noexcept { return x == other.x && y == other.y; }
    bool operator!= (const Point_2D& other) const noexcept { return ! operator== (other); }

    T x {};
    T y {};
};

template <typename T>
class Rectangle_2D
{
public:
    Rectangle_2D() = default;
    Rectangle_2D (Point_2D<T> tl, Point_2D<T> br) noexcept
        : topLeft (tl)
        , bottomRight (br)
    {}
    virtual ~Rectangle_2D() = default;

    /** topLeft = (x, y), bottomRight = (x + width, y + height). */
    virtual void setBounds (juce::Rectangle<T> r)
    {
        topLeft = { r.getX(), r.getY() };
        bottomRight = { r.getX() + r.getWidth(), r.getY() + r.getHeight() };
    }

    T getWidth() const noexcept { return bottomRight.x - topLeft.x; }
    T getHeight() const noexcept { return bottomRight.y - topLeft.y; }

    juce::Rectangle<T> toJuceRectangle() const
    {
        return juce::Rectangle<T>::leftTopRightBottom (topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
    }

    Point_2D<T> topLeft;
    Point_2D<T> bottomRight;
};

/** A rectangle divided into fifteen pieces by repeated cuts at a fixed ratio. */
template <typename T>
class GoldenRatio_Rectangle2D : public Rectangle_2D<T>
{
public:
    GoldenRatio_Rectangle2D() = default;
    GoldenRatio_Rectangle2D (Point_2D<T> tl, Point_2D<T> br, int kind = 1)
        : Rectangle_2D<T> (tl, br)
        , m_ratioKind (kind)
    {}

    void setBounds (juce::Rectangle<T> r) override
    {
        Rectangle_2D<T>::setBounds (r);
        _computeRationalRects();
    }

    void setRatioKind (int kind)
    {
        m_ratioKind = kind;
        m_rationalRects.clear();
    }

    int getRatioKind() const noexcept { return m_ratioKind; }

    static float getRatio (int kind) noexcept
    {
        switch (kind)
        {
            case 1:
                return 1.618034f;
            case 2:
                return 2.4142136f;
            case 3:
                return 1.4142135f;
            case 4:
                return 1.7320508f;
            case 5:
                return 2.618034f;
            default:
                return 1.0f;
        }
    }

    /** A copy of piece number index (1 … 15; any other index gives piece 1, the whole). */
    GoldenRatio_Rectangle2D getRationalRectBySizeIndex (int index)
    {
        if (m_rationalRects.empty())
            _computeRationalRects();

        if (index < 1 || index > (int) m_rationalRects.size())
            index = 1;

        return m_rationalRects[(size_t) index - 1];
    }

    void _computeRationalRects()
    {
        m_rationalRects.clear();

        const T L = juce::jmin (this->topLeft.x, this->bottomRight.x);
        const T R = juce::jmax (this->topLeft.x, this->bottomRight.x);
        const T Tp = juce::jmin (this->topLeft.y, this->bottomRight.y);
        const T B = juce::jmax (this->topLeft.y, this->bottomRight.y);
        const float rho = getRatio (m_ratioKind);

        const float fl = (float) L, fr = (float) R, ft = (float) Tp, fb = (float) B;
        const float x1 = fl + (fr - fl) / rho;
        const float y1 = ft + (fb - ft) / rho;
        const float x2 = fr - (fr - x1) / rho;
        const float y2 = fb - (fb - y1) / rho;
        const float x3 = x1 + (x2 - x1) / rho;
        const float y3 = y1 + (y2 - y1) / rho;
        const float x4 = x2 - (x2 - x3) / rho;

        const T X1 = (T) x1, Y1 = (T) y1, X2 = (T) x2, Y2 = (T) y2, X3 = (T) x3, Y3 = (T) y3, X4 = (T) x4;

        const auto add = [this] (T l, T t, T r, T b) { m_rationalRects.push_back (GoldenRatio_Rectangle2D ({ l, t }, { r, b }, 1)); };

        add (L, Tp, R, B);
        add (L, Tp, X1, B);
        add (X1, Tp, R, B);
        add (X1, Tp, R, Y1);
        add (X1, Y1, R, B);
        add (X1, Y1, X2, B);
        add (X2, Y1, R, B);
        add (X1, Y1, X2, Y2);
        add (X1, Y2, X2, B);
        add (X1, Y1, X3, Y2);
        add (X3, Y1, X2, Y2);
        add (X3, Y1, X2, Y3);
        add (X3, Y3, X2, Y2);
        add (X4, Y3, X2, Y2);
        add (X3, Y3, X4, Y2);
    }

    size_t getRationalRectCount() const noexcept { return m_rationalRects.size(); }

private:
    int m_ratioKind = 1;
    std::vector<GoldenRatio_Rectangle2D> m_rationalRects;
};

} // namespace nubo
