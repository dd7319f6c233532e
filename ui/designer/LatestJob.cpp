#include "designer/LatestJob.h"

#include <QMetaObject>

struct JobContext::Shared {
    std::atomic<quint64> newest{0};
    // Where results are delivered: the queue, which outlives its jobs.
    QObject* receiver = nullptr;
};

bool JobContext::superseded() const { return shared_->newest.load() != generation_; }

void JobContext::deliver(std::function<void()> show) const
{
    if (superseded())
        return;
    // Queued on the receiver: dropped with it, and checked again where the
    // inputs change, since a newer one may come between here and there.
    QMetaObject::invokeMethod(
        shared_->receiver,
        [shared = shared_, generation = generation_, show = std::move(show)] {
            if (shared->newest.load() == generation)
                show();
        },
        Qt::QueuedConnection);
}

LatestJob::LatestJob(QObject* parent) : QObject(parent), shared_(std::make_shared<JobContext::Shared>())
{
    shared_->receiver = this;
    pool_.setMaxThreadCount(1);
}

LatestJob::~LatestJob()
{
    cancel();
    pool_.waitForDone();
}

void LatestJob::run(Job job)
{
    pendingGeneration_ = ++shared_->newest;
    pending_ = std::make_unique<Job>(std::move(job));
    if (!running_)
        startNext();
}

void LatestJob::cancel()
{
    ++shared_->newest;
    pending_.reset();
}

void LatestJob::startNext()
{
    if (!pending_) {
        emit idle();
        return;
    }
    JobContext context;
    context.shared_ = shared_;
    context.generation_ = pendingGeneration_;
    std::unique_ptr<Job> job = std::move(pending_);
    running_ = true;
    pool_.start([this, context, job = std::shared_ptr<Job>(std::move(job))] {
        (*job)(context);
        // The next job starts from the GUI thread, after this one's results.
        QMetaObject::invokeMethod(
            this,
            [this] {
                running_ = false;
                startNext();
            },
            Qt::QueuedConnection);
    });
}
