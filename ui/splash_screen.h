#pragma once
// The splash window TSplashScreen: a borderless picture while the vault
// loads, with the product title and the loading step written over it. The
// picture is painted, so the program needs no image file to start.
#include <QWidget>
#include <string_view>

class QLabel;

namespace qm::ui {

class SplashScreen : public QWidget {
  Q_OBJECT

 public:
  explicit SplashScreen(QWidget* parent = nullptr);

  // New texts, painted at once: the event loop is not running while the
  // vault loads.
  void SetTexts(std::string_view title, std::string_view loadingText);
  // Centred on the screen and painted before the caller goes on.
  void ShowCentred();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLabel* title_ = nullptr;
  QLabel* loading_ = nullptr;
};

}  // namespace qm::ui
