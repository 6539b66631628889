#pragma once

#include <QImage>
#include <QMainWindow>
#include <vector>

#include "shell/menu_entry.h"
#include "statistics/distribution_kind.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace orrery {

class DialogService;
class FrameHooks;
class GraphSettings;
class MessageService;
struct DistributionSet;
struct StatisticsColors;

// What a distribution window talks to besides its distribution.
struct StatisticsServices {
    GraphSettings& settings;
    MessageService& messages;
    DialogService& dialogs;
    FrameHooks& frame;
};

// One of the four distribution windows: the density with the area between
// two limits hatched, and a strip of boxes along the bottom to change the
// limits and degrees of freedom and calculate the probability.
class DistributionWindow : public QMainWindow {
    Q_OBJECT
  public:
    DistributionWindow(DistributionKind kind, DistributionSet& distributions,
                       StatisticsServices services, QWidget* parent = nullptr);

    DistributionKind kind() const { return kind_; }

    // The window's commands (menu bar, context menu); ids it does not own
    // go to the main window.
    void runCommand(int command);
    void calculate();
    void print();
    void copyGraph();
    void openCriticalValues();

    // The limit boxes, degree boxes and Calculate, in tab order.
    const std::vector<QWidget*>& inputs() const { return inputs_; }
    QLineEdit* box(int index) const;
    QPushButton* calculateButton() const { return calculate_; }
    QLineEdit* probabilityBox() const { return probability_; }
    QWidget* client() const { return client_; }
    QString statusLine() const;
    // The right-click menu's items.
    std::vector<MenuEntry> contextMenuEntries() const;
    // The drawing at the client's size, as Copy Graph puts it on the clipboard.
    QImage picture() const;

    // Paints the client area; called by the client widget.
    void paintClient(QPainter& painter) const;
    void placeControls();
    void showContextMenu(const QPoint& globalPos);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    DistributionKind kind_;
    DistributionSet& distributions_;
    StatisticsServices services_;
    QWidget* client_ = nullptr;
    std::vector<QWidget*> inputs_;
    QPushButton* calculate_ = nullptr;
    QLineEdit* probability_ = nullptr;
    QLabel* status_ = nullptr;

    void createControls();
    void createMenuBar();
    void moveFocus(QWidget* from, bool forward);
    void showProbability(double area, const QString& text);
    void refreshStatus();
    StatisticsColors colors() const;
};

}  // namespace orrery
