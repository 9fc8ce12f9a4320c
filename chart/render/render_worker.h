#pragma once
// The repaint's second thread: one persistent worker, started on first use and kept for
// the life of the process, that runs one task at a time while the user-interface thread
// does the other half of the work. Tasks only read the item store and fill memory of their
// own; nothing they do reaches a canvas, a chart or an event.

#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace kurvex {

class TRenderWorker {
 public:
  // The worker, or nullptr on a machine with a single core.
  static TRenderWorker* Instance();

  // Starts task(context) on the worker. One task at a time: every Run is followed by Wait.
  void Run(void (*task)(void* context), void* context);
  // Blocks until the task has finished; an exception it raised is raised here.
  void Wait();

 private:
  TRenderWorker();
  void Loop();

  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable done_;
  void (*task_)(void*) = nullptr;
  void* context_ = nullptr;
  bool busy_ = false;
  std::exception_ptr error_;
  std::thread thread_;  // last: starts once everything above exists
};

}  // namespace kurvex
