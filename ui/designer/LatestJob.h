#pragma once

#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <memory>

// What a running job sees of its queue: whether a newer job has been asked
// for (a long job stops early), and a way to hand results to the GUI thread
// that drops them there if they are no longer the newest.
class JobContext {
public:
    bool superseded() const;
    // `show` runs on the GUI thread, unless a newer job was asked for by then.
    void deliver(std::function<void()> show) const;

private:
    friend class LatestJob;
    struct Shared;
    std::shared_ptr<Shared> shared_;
    quint64 generation_ = 0;
};

// Runs jobs off the GUI thread, one at a time: a job asked for while one
// runs waits, and a newer one replaces it unstarted. The solvers have no way
// to stop, so a superseded job runs on but its results are dropped: a result
// is shown only while no newer input has been given, checked on the GUI
// thread where the inputs change.
class LatestJob : public QObject {
    Q_OBJECT
public:
    using Job = std::function<void(const JobContext&)>;

    explicit LatestJob(QObject* parent = nullptr);
    // Waits for the running job, so that nothing it uses is gone under it.
    ~LatestJob() override;

    // Supersedes whatever was asked for before.
    void run(Job job);
    // Supersedes without a new job.
    void cancel();
    bool busy() const { return running_ || pending_ != nullptr; }

signals:
    // Nothing runs and nothing waits.
    void idle();

private:
    void startNext();

    std::shared_ptr<JobContext::Shared> shared_;
    QThreadPool pool_;
    std::unique_ptr<Job> pending_;
    quint64 pendingGeneration_ = 0;
    bool running_ = false;
};
