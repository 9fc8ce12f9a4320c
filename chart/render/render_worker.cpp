#include "chart/render/render_worker.h"

#include <utility>

namespace kurvex {

TRenderWorker* TRenderWorker::Instance() {
  // Never destroyed: the thread waits for work until the process ends.
  static TRenderWorker* worker = std::thread::hardware_concurrency() >= 2 ? new TRenderWorker() : nullptr;
  return worker;
}

TRenderWorker::TRenderWorker() : thread_([this] { Loop(); }) {}

void TRenderWorker::Run(void (*task)(void*), void* context) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    task_ = task;
    context_ = context;
    busy_ = true;
    error_ = nullptr;
  }
  wake_.notify_one();
}

void TRenderWorker::Wait() {
  std::unique_lock<std::mutex> lock(mutex_);
  done_.wait(lock, [this] { return !busy_; });
  if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
}

void TRenderWorker::Loop() {
  std::unique_lock<std::mutex> lock(mutex_);
  while (true) {
    wake_.wait(lock, [this] { return busy_; });
    lock.unlock();
    std::exception_ptr error;
    try {
      task_(context_);
    } catch (...) {
      error = std::current_exception();
    }
    lock.lock();
    error_ = error;
    busy_ = false;
    done_.notify_one();
  }
}

}  // namespace kurvex
