// own
#include "app/PictureBox.h"

// Qt
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>

namespace {

// Screen readers announce a card as a button that can be pressed.
class CardAccessible : public QAccessibleWidget {
  public:
    explicit CardAccessible(PictureBox* box) : QAccessibleWidget(box, QAccessible::Button) {}
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            emit static_cast<PictureBox*>(widget())->clicked();
        }
    }
};

QAccessibleInterface* cardAccessible(const QString& className, QObject* object) {
    auto* box = qobject_cast<PictureBox*>(object);
    if (className == QLatin1String("PictureBox") && box != nullptr &&
        box->focusPolicy() != Qt::NoFocus) {
        return new CardAccessible(box);
    }
    return nullptr;
}

// The picture at a device size, scaled once per picture and size for all
// boxes: the 36 card backs share one scaled copy, each face one for its two
// cards. Qt's pixmap cache keeps the copies within its own limit.
QPixmap scaledPicture(const QImage& image, const QSize& device, qreal ratio) {
    const QString key = QStringLiteral("PictureBox/%1/%2x%3@%4")
                            .arg(image.cacheKey())
                            .arg(device.width())
                            .arg(device.height())
                            .arg(ratio);
    QPixmap scaled;
    if (!QPixmapCache::find(key, &scaled)) {
        scaled =
            QPixmap::fromImage(device == image.size() ? image
                                                      : image.scaled(device, Qt::IgnoreAspectRatio,
                                                                     Qt::SmoothTransformation));
        scaled.setDevicePixelRatio(ratio);
        QPixmapCache::insert(key, scaled);
    }
    return scaled;
}

} // namespace

void PictureBox::registerAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(cardAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void PictureBox::setPicture(const QImage& image) {
    m_image = image;
    m_scaled = QPixmap();
    update();
}

void PictureBox::setStretch(bool on) {
    if (m_stretch != on) {
        m_stretch = on;
        m_scaled = QPixmap();
        update();
    }
}

void PictureBox::setCard(bool isCard) {
    // Cards take the focus from the keyboard only, so a mouse player sees no focus ring.
    setFocusPolicy(isCard ? Qt::TabFocus : Qt::NoFocus);
    setCursor(isCard ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!m_image.isNull()) {
        const qreal ratio = devicePixelRatioF();
        const QSize device = m_stretch ? size() * ratio : m_image.size();
        if (m_scaled.isNull() || m_scaled.size() != device) {
            m_scaled = scaledPicture(m_image, m_stretch ? device : m_image.size(),
                                     m_stretch ? ratio : 1.0);
        }
        painter.drawPixmap(QPoint(0, 0), m_scaled);
    }
    if (hasFocus()) {
        // A ring that shows on light faces and on the dark card back alike.
        const QRectF ring = QRectF(rect()).adjusted(2, 2, -2, -2);
        painter.setPen(QPen(QColor(255, 255, 255), 5));
        painter.drawRoundedRect(ring, 6, 6);
        painter.setPen(QPen(QColor(230, 120, 0), 3));
        painter.drawRoundedRect(ring, 6, 6);
    }
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    if (focusPolicy() == Qt::NoFocus) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat()) {
            emit clicked();
        }
        return;
    // The arrows move to the neighbour the player sees: in a mirrored
    // (right-to-left) window the next card lies to the left.
    case Qt::Key_Left:
        emit navigate(isRightToLeft() ? 1 : -1, 0);
        return;
    case Qt::Key_Right:
        emit navigate(isRightToLeft() ? -1 : 1, 0);
        return;
    case Qt::Key_Up:
        emit navigate(0, -1);
        return;
    case Qt::Key_Down:
        emit navigate(0, 1);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}
