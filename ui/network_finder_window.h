// The resistor network finder window: a wanted resistance, a series, the
// largest resistor count and a list of values to leave out (or the only
// values to use) in; for each count the best network drawn, with its value
// and error, and the runners-up in a list, live while the user types. A
// view of the core's NetworkFinderModel; the searches run on a thread of
// their own, so typing never waits for one.
#pragma once

#include <QDialog>
#include <array>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "core/network_finder_model.h"
#include "i18n/language_switch.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace kalvane {

class NetworkSchematic;

// Runs the latest request it was given on its own thread; a newer request
// stops the one running. `done` is called on that thread.
class NetworkSearchWorker {
 public:
  using Done = std::function<void(std::uint64_t generation, std::vector<CountResult> results)>;
  explicit NetworkSearchWorker(Done done);
  ~NetworkSearchWorker();
  void Submit(NetworkFinderModel::Request request);

 private:
  void Loop();
  Done done_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<NetworkFinderModel::Request> next_;
  bool quit_ = false;
  std::atomic<std::uint64_t> latest_{0};
  std::thread thread_;
};

class NetworkFinderWindow : public QDialog, public TranslatableWindow {
  Q_OBJECT

 public:
  // Builds the window in `language`, with the series chosen in the main
  // window (E24 unless given); it deletes itself when closed.
  explicit NetworkFinderWindow(Language language, QWidget* parent = nullptr);
  NetworkFinderWindow(Language language, StandardSeries series, QWidget* parent = nullptr);
  ~NetworkFinderWindow() override;

  const NetworkFinderModel& Model() const { return model_; }
  void Retranslate(Language language) override;

  // Runs the pending search on the calling thread and shows its results at
  // once: for tests and pictures, which must not wait on a thread.
  void SearchNow();

 protected:
  // The first paint lets searching start: the window shows before any
  // search (or the series' tables it needs) takes a core from it.
  void paintEvent(QPaintEvent* event) override;

 private:
  QLineEdit* NewBox(QWidget* parent, const char* name, NetworkFinderModel::Box box);
  void OnEdited(NetworkFinderModel::Box box);
  void OnResults(std::uint64_t generation, std::vector<CountResult> results);
  // Shows the model, and hands a new pending request to the worker.
  void ShowModel();
  // Hands the pending request, if new, to the worker (started on first use),
  // once the window has painted.
  void SubmitPending();

  NetworkFinderModel model_;
  Language language_ = Language::Persian;
  std::uint64_t submitted_ = 0;
  bool painted_ = false;
  QGroupBox* inputFrame_ = nullptr;
  QGroupBox* resultFrame_ = nullptr;
  QLabel* targetCaption_ = nullptr;
  QLineEdit* targetBox_ = nullptr;
  QLabel* seriesCaption_ = nullptr;
  QComboBox* seriesList_ = nullptr;
  QLabel* countCaption_ = nullptr;
  QComboBox* countList_ = nullptr;
  QRadioButton* excludeMode_ = nullptr;
  QRadioButton* stockMode_ = nullptr;
  QLineEdit* listBox_ = nullptr;
  QLabel* message_ = nullptr;
  std::array<QLabel*, 4> countCaptions_{};
  std::array<NetworkSchematic*, 4> schematics_{};
  std::array<QLabel*, 4> values_{};
  std::array<QComboBox*, 4> picks_{};
  std::unique_ptr<NetworkSearchWorker> worker_;
};

}  // namespace kalvane
