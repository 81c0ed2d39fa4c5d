#pragma once
// What a long run of the core (an index run, a project load or save, a file
// search or copy) needs of the user interface, in one place: a turn for the
// window system now and then, so that the progress window repaints and its
// button works, and whether the user has cancelled. The steps of a run see
// nothing else of the application: they run without a window in tests, and
// the logic that needs none compiles without one.
namespace core {

class RunContext {
 public:
  virtual ~RunContext() = default;

  // Lets pending window messages through. Cheap (it looks at the clock
  // first): call it after every piece of work, however small.
  virtual void Pump() = 0;
  // Whether the user has cancelled the run.
  virtual bool Cancelled() = 0;

  // Pumps, and sets abort once the user has cancelled; returns abort.
  bool Poll(bool& abort) {
    Pump();
    if (!abort && Cancelled()) abort = true;
    return abort;
  }
};

// A run that nobody watches: nothing to pump, never cancelled.
class QuietRun final : public RunContext {
 public:
  void Pump() override {}
  bool Cancelled() override { return false; }
};

}  // namespace core
