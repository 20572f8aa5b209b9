#include "widgets/Matrix_Editable_Base.h"

namespace nubo
{

juce::AffineTransform Matrix_Editable_Base::getAffineTransform()
{
    if (m_matrixDirty)
    {
        const auto t = juce::AffineTransform::rotation (m_angle, m_rotationCentreX, m_rotationCentreY)
                           .scaled (m_scaleX, m_scaleY, m_scaleCentreX, m_scaleCentreY)
                           .translated (m_translateX, m_translateY);

        if (m_matrixParent != nullptr && m_matrixParent != this)
            m_matrixParent->getAffineTransform();

        m_cachedTransform = t;
        m_matrixDirty = false;
    }

    return m_cachedTransform;
}

void Matrix_Editable_Base::setAngle (float radians) noexcept
{
    if (radians != m_angle)
    {
        m_angle = radians;
        m_matrixDirty = true;
    }
}

void Matrix_Editable_Base::setScale (float sx, float sy) noexcept
{
    if (sx != m_scaleX || sy != m_scaleY)
    {
        m_scaleX = sx;
        m_scaleY = sy;
        m_matrixDirty = true;
    }
}

void Matrix_Editable_Base::setTranslate (float tx, float ty) noexcept
{
    m_translateX = tx;
    m_translateY = ty;
    m_matrixDirty = true;
}

void Matrix_Editable_Base::setRotationCentre (float cx, float cy) noexcept
{
    m_rotationCentreX = cx;
    m_rotationCentreY = cy;
    m_matrixDirty = true;
}

void Matrix_Editable_Base::setScaleCentre (float cx, float cy) noexcept
{
    m_scaleCentreX = cx;
    m_scaleCentreY = cy;
    m_matrixDirty = true;
}

} // namespace nubo
