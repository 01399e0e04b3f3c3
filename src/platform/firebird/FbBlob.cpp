#include "FbBlob.h"

#include "FbParameterBuffer.h"
#include "FbStatus.h"

#include <algorithm>

namespace fb::detail {

namespace {

// Largest piece one segment call moves (its length is an unsigned short).
constexpr qsizetype MaxSegment = 0xFFFF;

// Closes the blob on every path; cancels it instead when writing failed, so
// no half-written blob is left behind.
class OpenBlob
{
public:
    OpenBlob() = default;
    ~OpenBlob()
    {
        if (handle) {
            ISC_STATUS_ARRAY status;
            isc_cancel_blob(status, &handle);
        }
    }
    OpenBlob(const OpenBlob &) = delete;
    OpenBlob &operator=(const OpenBlob &) = delete;

    void close()
    {
        ISC_STATUS_ARRAY status;
        if (isc_close_blob(status, &handle))
            throwStatus(status);
    }

    isc_blob_handle handle = 0;
};

qsizetype totalLength(isc_blob_handle *blob)
{
    const char items[] = {isc_info_blob_total_length};
    char info[32];
    ISC_STATUS_ARRAY status;
    if (isc_blob_info(status, blob, sizeof items, items, sizeof info, info))
        throwStatus(status);
    if (info[0] != isc_info_blob_total_length)
        return 0;
    const short length = static_cast<short>(isc_vax_integer(info + 1, 2));
    return isc_vax_integer(info + 3, length);
}

} // namespace

QByteArray readBlob(isc_db_handle *database, isc_tr_handle *transaction, ISC_QUAD id)
{
    ISC_STATUS_ARRAY status;
    OpenBlob blob;
    if (isc_open_blob2(status, database, transaction, &blob.handle, &id, 0, nullptr))
        throwStatus(status);

    const qsizetype total = totalLength(&blob.handle);
    QByteArray bytes(total, Qt::Uninitialized);
    qsizetype done = 0;
    while (done < total) {
        unsigned short read = 0;
        const auto wanted = static_cast<unsigned short>(std::min(total - done, MaxSegment));
        const ISC_STATUS result = isc_get_segment(status, &blob.handle, &read, wanted, bytes.data() + done);
        done += read;
        if (result == isc_segstr_eof)
            break;
        // isc_segment only says the segment went on beyond our buffer.
        if (result && result != isc_segment)
            throwStatus(status);
    }
    bytes.truncate(done);
    blob.close();
    return bytes;
}

ISC_QUAD writeBlob(isc_db_handle *database, isc_tr_handle *transaction,
                   const QByteArray &bytes, short subType)
{
    // Same source and target sub-type: the blob is marked as text (or binary)
    // without any filter converting it on the way.
    const QByteArray type(1, static_cast<char>(subType));
    ParameterBuffer bpb(isc_bpb_version1);
    bpb.addString(isc_bpb_source_type, type).addString(isc_bpb_target_type, type);

    ISC_STATUS_ARRAY status;
    ISC_QUAD id{};
    OpenBlob blob;
    if (isc_create_blob2(status, database, transaction, &blob.handle, &id, bpb.size(), bpb.data()))
        throwStatus(status);
    for (qsizetype done = 0; done < bytes.size();) {
        const auto piece = static_cast<unsigned short>(std::min(bytes.size() - done, MaxSegment));
        if (isc_put_segment(status, &blob.handle, piece, bytes.constData() + done))
            throwStatus(status);
        done += piece;
    }
    blob.close();
    return id;
}

} // namespace fb::detail
