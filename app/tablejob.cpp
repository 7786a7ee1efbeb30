#include "tablejob.h"

#include <utility>

TableJob::TableJob(const ElementData &data, Surface table, Surface work, QPoint eFrameTopLeft)
    : m_result{std::move(table), std::move(work), {}, {}}
{
    m_thread.reset(QThread::create([this, &data, eFrameTopLeft] {
        // Artwork of its own, gone with the job: after start-up only the
        // Element page and printing need it, and many runs use neither.
        const TableArtwork art = storedTableArtwork();
        m_result.layout =
            CreatePT(m_result.table, 0, data, art, m_result.cells, m_result.work, eFrameTopLeft);
        m_result.table.endText();
        m_result.work.endText();
    }));
    m_thread->start();
}

TableJob::~TableJob()
{
    m_thread->wait();
}

TableJob::Result TableJob::take()
{
    m_thread->wait();
    return std::move(m_result);
}

TableArtwork storedTableArtwork()
{
    return tableArtworkFrom(QStringLiteral(":/artwork/table.art"));
}
