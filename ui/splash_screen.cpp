#include "ui/splash_screen.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QScreen>

#include "shell/startup.h"
#include "ui/text_codec.h"

namespace qm::ui {
namespace {

// The quill: a feather whose vane curves around its shaft, ending in a nib.
void PaintQuill(QPainter& p) {
  p.save();
  p.translate(420, 26);
  p.rotate(28);
  QPainterPath vane;
  vane.moveTo(0, 0);
  vane.cubicTo(34, 30, 30, 100, 4, 150);
  vane.cubicTo(-2, 110, -22, 50, 0, 0);
  QLinearGradient feather(-20, 0, 34, 0);
  feather.setColorAt(0, QColor(238, 232, 214));
  feather.setColorAt(1, QColor(184, 168, 132));
  p.setPen(QPen(QColor(120, 100, 70), 1.2));
  p.setBrush(feather);
  p.drawPath(vane);
  // Barbs: short strokes leaving the shaft on both sides.
  p.setPen(QPen(QColor(140, 120, 86, 160), 0.8));
  for (int y = 14; y < 140; y += 9) {
    const double reach = 18.0 * (1.0 - (y - 70.0) * (y - 70.0) / 6400.0);
    p.drawLine(QPointF(2, y), QPointF(2 + reach, y - 6));
    p.drawLine(QPointF(1, y), QPointF(1 - reach * 0.7, y - 5));
  }
  p.setPen(QPen(QColor(90, 70, 45), 2.0));
  p.drawLine(QPointF(1, 4), QPointF(4, 172));
  QPainterPath nib;
  nib.moveTo(1, 168);
  nib.lineTo(7, 168);
  nib.lineTo(4, 188);
  nib.closeSubpath();
  p.setBrush(QColor(60, 52, 44));
  p.setPen(Qt::NoPen);
  p.drawPath(nib);
  p.restore();
}

// A shield with a chevron, for the planner's armour and its realms.
void PaintShield(QPainter& p) {
  QPainterPath shield;
  shield.moveTo(30, 34);
  shield.lineTo(96, 34);
  shield.lineTo(96, 86);
  shield.cubicTo(96, 120, 63, 138, 63, 138);
  shield.cubicTo(63, 138, 30, 120, 30, 86);
  shield.closeSubpath();
  QLinearGradient steel(30, 34, 96, 138);
  steel.setColorAt(0, QColor(52, 76, 128));
  steel.setColorAt(1, QColor(24, 36, 70));
  p.setPen(QPen(QColor(212, 178, 92), 3));
  p.setBrush(steel);
  p.drawPath(shield);
  QPainterPath chevron;
  chevron.moveTo(36, 96);
  chevron.lineTo(63, 70);
  chevron.lineTo(90, 96);
  chevron.lineTo(90, 108);
  chevron.lineTo(63, 82);
  chevron.lineTo(36, 108);
  chevron.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(212, 178, 92));
  p.drawPath(chevron);
}

}  // namespace

SplashScreen::SplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("SplashScreen");
  setWindowTitle(ToQt(kSplashCaption));
  setAccessibleName(windowTitle());
  setFixedSize(kSplashWidth, kSplashHeight);

  title_ = new QLabel(this);
  title_->setObjectName("SplashTitle");
  title_->setGeometry(112, 52, 290, 64);
  title_->setWordWrap(true);
  QFont titleFont = font();
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.7);
  titleFont.setBold(true);
  title_->setFont(titleFont);
  title_->setStyleSheet("color: rgb(250, 236, 196);");

  loading_ = new QLabel(this);
  loading_->setObjectName("Loading");
  loading_->setGeometry(112, 150, 290, 28);
  loading_->setStyleSheet("color: rgb(226, 214, 180);");

  SetTexts(kSplashInitialTitle, kSplashInitialLoading);
}

void SplashScreen::SetTexts(std::string_view title, std::string_view loadingText) {
  title_->setText(ToQt(title));
  title_->setAccessibleName(title_->text());
  loading_->setText(ToQt(loadingText));
  loading_->setAccessibleName(loading_->text());
  if (isVisible()) repaint();
}

void SplashScreen::ShowCentred() {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  show();
  repaint();
}

void SplashScreen::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  // Night sky over a dark hill line, lit from where the quill stands.
  QLinearGradient sky(0, 0, 0, height());
  sky.setColorAt(0, QColor(22, 30, 58));
  sky.setColorAt(0.7, QColor(58, 44, 70));
  sky.setColorAt(1, QColor(96, 58, 50));
  p.fillRect(rect(), sky);
  QRadialGradient glow(430, 90, 150);
  glow.setColorAt(0, QColor(255, 210, 130, 90));
  glow.setColorAt(1, QColor(255, 210, 130, 0));
  p.fillRect(rect(), glow);
  QPainterPath hills;
  hills.moveTo(0, 170);
  hills.cubicTo(90, 140, 170, 182, 260, 160);
  hills.cubicTo(340, 142, 420, 176, width(), 150);
  hills.lineTo(width(), height());
  hills.lineTo(0, height());
  hills.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(16, 18, 30, 220));
  p.drawPath(hills);
  PaintShield(p);
  PaintQuill(p);
  p.setPen(QPen(QColor(212, 178, 92), 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(rect().adjusted(1, 1, -2, -2));
  p.drawLine(112, 124, 352, 124);
}

}  // namespace qm::ui
