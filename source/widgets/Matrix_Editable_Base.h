#pragma once

#include <juce_graphics/juce_graphics.h>

namespace nubo
{

/** An affine transform built from a rotation, a scaling and a translation, cached until changed. */
class Matrix_Editable_Base
{
public:
    Matrix_Editable_Base() = default;
    virtual ~Matrix_Editable_Base() = default;

    /** The cached transform, recomputed first when dirty: rotate about the rotation centre, scale
        about the scale centre, then translate. */
    juce::AffineTransform getAffineTransform();

    void setMatrixParent (Matrix_Editable_Base* parent) noexcept
    {
        m_matrixParent = parent;
        m_matrixDirty = true;
    }
    void setAngle (float radians) noexcept;
    void setScale (float sx, float sy) noexcept;
    void setTranslate (float tx, float ty) noexcept;
    void setRotationCentre (float cx, float cy) noexcept;
    void setScaleCentre (float cx, float cy) noexcept;
    void markMatrixDirty() noexcept { m_matrixDirty = true; }

    float getAngle() const noexcept { return m_angle; }
    float getScaleX() const noexcept { return m_scaleX; }
    float getScaleY() const noexcept { return m_scaleY; }
    bool isMatrixDirty() const noexcept { return m_matrixDirty; }

protected:
    Matrix_Editable_Base* m_matrixParent = nullptr;
    bool m_matrixDirty = true;
    juce::AffineTransform m_cachedTransform;
    float m_angle = 0.0f;
    float m_scaleX = 1.0f, m_scaleY = 1.0f;
    float m_translateX = 0.0f, m_translateY = 0.0f;
    float m_rotationCentreX = 0.0f, m_rotationCentreY = 0.0f;
    float m_scaleCentreX = 0.0f, m_scaleCentreY = 0.0f;
};

} // namespace nubo
