#pragma once

#include "widgets/Geometry2D.h"

#include <cmath>
#include <vector>

namespace nubo
{

/** A point at angle (radians, 0 at twelve o'clock, clockwise) and distance d from (cx, cy). */
inline juce::Point<float> pointOnCircle (float cx, float cy, float d, float angle) noexcept
{
    return { cx + d * std::sin (angle), cy - d * std::cos (angle) };
}

/** A convex polygon figure used for drawing and hit testing. */
template <typename T>
class Figure_Base
{
public:
    Figure_Base() = default;
    virtual ~Figure_Base() = default;

    virtual void _createFigurePoints() = 0;
    virtual Point_2D<T> getCenterPoint() const = 0;

    /** Inside when on the same side of every edge of the convex outline (edges count as inside). */
    virtual bool isContainPoint (const Point_2D<int>& p)
    {
        return convexContains (m_points, (double) p.x, (double) p.y);
    }

    /** True when every point of the other figure lies inside this one. */
    virtual bool isContainFigure (Figure_Base& other)
    {
        return isContainFigure_OnlyPoints (other);
    }

    virtual bool isContainFigure_OnlyPoints (const Figure_Base& other)
    {
        if (other.m_points.empty())
            return false;

        for (const auto& p : other.m_points)
            if (! convexContains (m_points, (double) p.x, (double) p.y))
                return false;

        return true;
    }

    /** The containment test with the outline mapped through the transform first. */
    virtual bool isContainPoint_WithMat (juce::Point<int> p, juce::AffineTransform& mat)
    {
        if (mat.isIdentity())
            return isContainPoint ({ p.x, p.y });

        return convexContains (transformed (m_points, mat), (double) p.x, (double) p.y);
    }

    juce::Path createPath() const
    {
        juce::Path path;

        for (size_t i = 0; i < m_points.size(); ++i)
        {
            const auto x = (float) m_points[i].x, y = (float) m_points[i].y;

            if (i == 0)
                path.startNewSubPath (x, y);
            else
                path.lineTo (x, y);
        }

        if (! m_points.empty())
            path.closeSubPath();

        return path;
    }

    void drawStrokePath (const juce::Graphics& g, float thickness)
    {
        g.strokePath (createPath(), juce::PathStrokeType (thickness));
    }

    void drawStrokePath_withMat (juce::Graphics& g, const juce::AffineTransform& mat, float thickness)
    {
        g.strokePath (createPath(), juce::PathStrokeType (thickness), mat);
    }

    /** The edges of the outline, the last one closing it. */
    std::vector<juce::Line<float>> createLinesStdVector() const
    {
        std::vector<juce::Line<float>> lines;
        const auto n = m_points.size();

        if (n < 2)
            return lines;

        for (size_t i = 0; i < n; ++i)
        {
            const auto& a = m_points[i];
            const auto& b = m_points[(i + 1) % n];
            lines.emplace_back ((float) a.x, (float) a.y, (float) b.x, (float) b.y);
        }

        return lines;
    }

    std::vector<Point_2D<T>> m_points;

protected:
    static std::vector<Point_2D<T>> transformed (const std::vector<Point_2D<T>>& points, const juce::AffineTransform& mat)
    {
        std::vector<Point_2D<T>> out;
        out.reserve (points.size());

        for (const auto& p : points)
        {
            auto x = (float) p.x, y = (float) p.y;
            mat.transformPoint (x, y);
            out.push_back ({ (T) x, (T) y });
        }

        return out;
    }

    static bool convexContains (const std::vector<Point_2D<T>>& points, double px, double py)
    {
        const auto n = points.size();

        if (n < 3)
            return false;

        bool anyPositive = false, anyNegative = false;

        for (size_t i = 0; i < n; ++i)
        {
            const auto& a = points[i];
            const auto& b = points[(i + 1) % n];
            const double cross = ((double) b.x - (double) a.x) * (py - (double) a.y)
                - ((double) b.y - (double) a.y) * (px - (double) a.x);

            if (cross > 1.0e-9)
                anyPositive = true;
            else if (cross < -1.0e-9)
                anyNegative = true;

            if (anyPositive && anyNegative)
                return false;
        }

        return true;
    }
};

/** An equilateral triangle: centre, radius (centre to vertex) and rotation; the first vertex is
    straight above the centre at rotation 0. */
template <typename T>
class Figure_Triangle : public Figure_Base<T>
{
public:
    Figure_Triangle() = default;
    Figure_Triangle (Point_2D<T> centre, float radius, float rotation = 0.0f)
        : m_center (centre)
        , m_radius (radius)
        , m_rotation (rotation)
    {
    }

    void _createFigurePoints() override
    {
        this->m_points.clear();

        for (int i = 0; i < 3; ++i)
        {
            const auto p = pointOnCircle ((float) m_center.x, (float) m_center.y, m_radius,
                                          m_rotation + (float) i * juce::MathConstants<float>::twoPi / 3.0f);
            this->m_points.push_back ({ (T) p.x, (T) p.y });
        }
    }

    Point_2D<T> getCenterPoint() const override { return m_center; }

    virtual float getTriangleRadius() const { return m_radius; }

    virtual void setTriangleRadius (float radius, bool recompute)
    {
        m_radius = radius;

        if (recompute)
            _createFigurePoints();
    }

    void setCenterPoint (Point_2D<T> centre) noexcept { m_center = centre; }
    void setRotation (float rotation) noexcept { m_rotation = rotation; }

protected:
    Point_2D<T> m_center;
    float m_radius = 0.0f;
    float m_rotation = 0.0f;
};

/** A circle, outlined by a regular polygon. */
template <typename T>
class Figure_Circle : public Figure_Triangle<T>
{
public:
    using Figure_Triangle<T>::Figure_Triangle;

    void _createFigurePoints() override
    {
        this->m_points.clear();
        constexpr int corners = 48;

        for (int i = 0; i < corners; ++i)
        {
            const auto p = pointOnCircle ((float) this->m_center.x, (float) this->m_center.y, this->m_radius,
                                          (float) i * juce::MathConstants<float>::twoPi / (float) corners);
            this->m_points.push_back ({ (T) p.x, (T) p.y });
        }
    }
};

/** An annular sector between an inner and an outer radius (the triangle radius), from a start to
    an end angle. Hit tests reject the inner hole, then test the pie of centre and outer arc. */
template <typename T>
class Figure_Circle_Double : public Figure_Circle<T>
{
public:
    Figure_Circle_Double() = default;

    void set (Point_2D<T> centre, float outerRadius, float innerRadius, float startAngle, float endAngle, int chords = 1)
    {
        this->m_center = centre;
        this->m_radius = outerRadius;
        m_innerRadius = innerRadius;
        m_startAngle = startAngle;
        m_endAngle = endAngle;
        m_chordCount = juce::jmax (1, chords);
        _createFigurePoints();
    }

    void _createFigurePoints() override
    {
        this->m_points.clear();
        m_piePoints.clear();

        const float cx = (float) this->m_center.x, cy = (float) this->m_center.y;
        const float step = (m_endAngle - m_startAngle) / (float) m_chordCount;
        const auto push = [] (std::vector<Point_2D<T>>& list, juce::Point<float> p) { list.push_back ({ (T) p.x, (T) p.y }); };

        push (this->m_points, pointOnCircle (cx, cy, m_innerRadius, m_startAngle));
        m_piePoints.push_back (this->m_center);

        for (int i = 0; i <= m_chordCount; ++i)
        {
            const auto p = pointOnCircle (cx, cy, this->m_radius, m_startAngle + (float) i * step);
            push (this->m_points, p);
            push (m_piePoints, p);
        }

        for (int i = m_chordCount; i >= 1; --i)
            push (this->m_points, pointOnCircle (cx, cy, m_innerRadius, m_startAngle + (float) i * step));
    }

    bool isContainPoint (const Point_2D<int>& p) override
    {
        if (isInHole (p.x, p.y))
            return false;

        return Figure_Base<T>::convexContains (m_piePoints, (double) p.x, (double) p.y);
    }

    bool isContainPoint_WithMat (juce::Point<int> p, juce::AffineTransform& mat) override
    {
        if (mat.isIdentity())
            return isContainPoint ({ p.x, p.y });

        if (isInHole (p.x, p.y))
            return false;

        return Figure_Base<T>::convexContains (Figure_Base<T>::transformed (m_piePoints, mat), (double) p.x, (double) p.y);
    }

    float getInnerRadius() const noexcept { return m_innerRadius; }
    float getStartAngle() const noexcept { return m_startAngle; }
    float getEndAngle() const noexcept { return m_endAngle; }
    int getChordCount() const noexcept { return m_chordCount; }

    std::vector<Point_2D<T>> m_piePoints;

private:
    bool isInHole (int x, int y) const noexcept
    {
        const double dx = (double) x - (double) this->m_center.x;
        const double dy = (double) y - (double) this->m_center.y;
        return std::sqrt (dx * dx + dy * dy) < (double) m_innerRadius;
    }

    float m_innerRadius = 0.0f;
    float m_startAngle = 0.0f;
    float m_endAngle = 0.0f;
    int m_chordCount = 1;
};

/** The bounding box (x, y, width, height) around the origin of a triangle of that radius at rotation 0. */
inline juce::Rectangle<int> computeFigureTriangleBounds (float radius)
{
    Figure_Triangle<int> triangle ({ 0, 0 }, radius);
    triangle._createFigurePoints();

    int l = 0, t = 0, r = 0, b = 0;
    bool first = true;

    for (const auto& p : triangle.m_points)
    {
        l = first ? p.x : juce::jmin (l, p.x);
        r = first ? p.x : juce::jmax (r, p.x);
        t = first ? p.y : juce::jmin (t, p.y);
        b = first ? p.y : juce::jmax (b, p.y);
        first = false;
    }

    return { l, t, r - l, b - t };
}

} // namespace nubo
