#include "tablejob.h"

#include "storedtable.h"

#include <QResource>

#include <optional>
#include <utility>

namespace {

// Drawn by the build (tools/artpixels) and compiled in; read without the
// application object.
QByteArray storedArtwork()
{
    return QResource(QStringLiteral(":/artwork/table.art")).uncompressedData();
}

// The table the build drew for the data file it ships (tools/tablepixels).
QByteArray storedTable()
{
    return QResource(QStringLiteral(":/artwork/table.pic")).uncompressedData();
}

} // namespace

TableJob::TableJob(const ElementData &data, Surface table, Surface work, QPoint eFrameTopLeft,
                   bool applicationExists)
    : m_result{std::move(table), std::move(work), {}, {}}, m_applicationExists(applicationExists)
{
    m_thread = std::thread([this, &data, eFrameTopLeft] { draw(data, eFrameTopLeft); });
}

TableJob::~TableJob()
{
    {
        const std::lock_guard lock(m_mutex);
        m_abandoned = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable()) m_thread.join();
}

void TableJob::applicationReady()
{
    {
        const std::lock_guard lock(m_mutex);
        m_applicationExists = true;
    }
    m_wake.notify_all();
}

TableJob::Result TableJob::take()
{
    if (m_thread.joinable()) m_thread.join();
    return std::move(m_result);
}

void TableJob::draw(const ElementData &data, QPoint eFrameTopLeft)
{
    // Data read unchanged is shown as the build drew it: nothing to draw, and
    // no need to wait for the application.
    if (std::optional<StoredTable> stored = readStoredTable(storedTable(), data)) {
        m_result.table = std::move(stored->table);
        m_result.cells = stored->cells;
        m_result.layout = screenTableLayout(stored->cellSize, eFrameTopLeft);
        return;
    }
    // Artwork of its own, gone with the job: after start-up only the Element
    // page and printing need it, and many runs use neither. It and the table
    // picture's memory need no fonts: both are ready before the application.
    std::optional<TableArtwork> art = readTableArtwork(storedArtwork());
    prepareTablePicture(m_result.table);
    {
        std::unique_lock lock(m_mutex);
        m_wake.wait(lock, [this] { return m_applicationExists || m_abandoned; });
        if (m_abandoned) return;
    }
    if (!art) art = buildTableArtwork();
    m_result.layout =
        CreatePT(m_result.table, 0, data, *art, m_result.cells, m_result.work, eFrameTopLeft);
    m_result.table.endText();
    m_result.work.endText();
}

TableArtwork storedTableArtwork()
{
    return tableArtworkFrom(storedArtwork());
}
