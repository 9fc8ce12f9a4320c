// Live stream: an oscilloscope-like chart fed 100,000 points per second from a timer. The
// x range scrolls with the newest point and always shows the last 10 seconds, which are the
// 1,000,000 points the chart keeps. The line below the chart shows the frame rate and the
// CPU time the program uses.
//
//   kurvex-example-live-stream [--seconds N]   with --seconds, quits after N seconds and
//                                              prints the average frame rate and CPU use
//
// Dropping old points: the chart's item list only grows (appending is what it does
// fastest), so the program keeps the last 1,000,000 samples in a ring of its own and lets
// the list run 100,000 points (one second) over that. Then it empties the list
// (ClearItems) and appends the ring again: one rebuild of 1,000,000 points per second,
// a few milliseconds, instead of a copy on every frame.

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <sys/resource.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <kurvex/qt.h>

namespace {

constexpr int kRate = 100'000;         // samples per second
constexpr int kKept = 1'000'000;       // samples shown (10 seconds)
constexpr int kSlack = kRate;          // samples the list may hold beyond kKept
constexpr double kSpan = double{kKept} / kRate;

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The signal: a slow wave with a faster one on top and some noise (a cheap generator, so
// that making the samples costs little beside drawing them).
class Signal {
 public:
  double At(std::int64_t n) {
    const double t = double(n) / kRate;
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    const double noise = double(state_ >> 11) / double(1ULL << 53) - 0.5;
    return 0.7 * std::sin(2 * M_PI * 0.25 * t) + 0.25 * std::sin(2 * M_PI * 3 * t) + 0.08 * noise;
  }

 private:
  std::uint64_t state_ = 12345;
};

class LiveStream : public QWidget {
 public:
  explicit LiveStream(double seconds) : quit_after_(seconds), ring_(kKept) {
    auto* layout = new QVBoxLayout(this);
    scope_ = new kurvex::qt::KurvexWidget;
    status_ = new QLabel("starting");
    layout->addWidget(scope_, 1);
    layout->addWidget(status_);

    kurvex::TKurvex& chart = scope_->Chart();
    chart.SetCaption("100,000 points per second");
    chart.SetChartColor(kurvex::clBlack);
    chart.SetGridColor(0x505050);  // dark grey (colours are 0xBBGGRR)
    chart.SetGridStyle(kurvex::GridStyleType::gsDotLines);
    chart.SetDataColor(kurvex::clLime);
    chart.SetAllocSize(kRate);  // capacity grows a second at a time
    // Range changes wait for RefreshChart, which then repaints the whole chart, axes
    // included: one paint per frame.
    chart.SetAutoRedraw(false);
    chart.SetLayerRange(1, -kSpan, -1.2, 0, 1.2);

    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
    clock_.start();
    timer_.start(16);
  }

 private:
  // Appends the samples due by now, scrolls the x range to the newest one and repaints.
  void Tick() {
    kurvex::TKurvex& chart = scope_->Chart();
    const auto due = static_cast<std::int64_t>(clock_.nsecsElapsed() / 1e9 * kRate);
    if (chart.ItemCount() + (due - produced_) > std::size_t{kKept + kSlack}) DropOldPoints(chart);
    for (; produced_ < due; ++produced_) {
      const double y = signal_.At(produced_);
      ring_[produced_ % kKept] = y;
      if (chart.ItemCount() == 0) {
        chart.MoveToPoint(double(produced_) / kRate, y);
      } else {
        chart.LineToPoint(double(produced_) / kRate, y);
      }
    }
    const double now = double(produced_) / kRate;
    chart.SetLayerRange(1, now - kSpan, -1.2, now, 1.2);
    chart.RefreshChart();
    ++frames_;
    Report();
  }

  // Empties the list and appends the last kKept samples again from the ring.
  void DropOldPoints(kurvex::TKurvex& chart) {
    chart.ClearItems();
    const std::int64_t first = produced_ > kKept ? produced_ - kKept : 0;
    chart.MoveToPoint(double(first) / kRate, ring_[first % kKept]);
    for (std::int64_t n = first + 1; n < produced_; ++n) chart.LineToPoint(double(n) / kRate, ring_[n % kKept]);
  }

  // Once a second: the frame rate and the CPU use of the last second in the status line;
  // with --seconds, the averages over the whole run when it ends.
  void Report() {
    const double wall = clock_.nsecsElapsed() / 1e9;
    if (wall - last_wall_ < 1.0) return;
    const double cpu = CpuSeconds();
    const double fps = (frames_ - last_frames_) / (wall - last_wall_);
    const double load = 100 * (cpu - last_cpu_) / (wall - last_wall_);
    status_->setText(QString("%1 fps   %2 points kept   CPU %3%")
                         .arg(fps, 0, 'f', 1)
                         .arg(static_cast<qulonglong>(scope_->Chart().ItemCount()))
                         .arg(load, 0, 'f', 0));
    if (first_report_wall_ < 0) {  // the averages leave out the first second (start-up)
      first_report_wall_ = wall;
      first_report_cpu_ = cpu;
      first_report_frames_ = frames_;
    }
    last_wall_ = wall;
    last_cpu_ = cpu;
    last_frames_ = frames_;
    if (quit_after_ > 0 && wall >= quit_after_) {
      const double span = wall - first_report_wall_;
      std::printf("%.1f fps, CPU %.0f%% of one core, %zu points kept (average of the last %.0f s)\n",
                  (frames_ - first_report_frames_) / span, 100 * (cpu - first_report_cpu_) / span,
                  scope_->Chart().ItemCount(), span);
      QApplication::quit();
    }
  }

  kurvex::qt::KurvexWidget* scope_;
  QLabel* status_;
  QTimer timer_;
  QElapsedTimer clock_;
  Signal signal_;
  double quit_after_;
  std::vector<double> ring_;
  std::int64_t produced_ = 0;
  std::int64_t frames_ = 0, last_frames_ = 0, first_report_frames_ = 0;
  double last_wall_ = 0, last_cpu_ = 0;
  double first_report_wall_ = -1, first_report_cpu_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  double seconds = 0;
  if (argc == 3 && std::strcmp(argv[1], "--seconds") == 0) {
    seconds = std::atof(argv[2]);
  } else if (argc != 1) {
    std::fprintf(stderr, "usage: %s [--seconds N]\n", argv[0]);
    return 2;
  }
  LiveStream window(seconds);
  window.setWindowTitle("Kurvex live stream");
  window.resize(900, 520);
  window.show();
  return app.exec();
}
