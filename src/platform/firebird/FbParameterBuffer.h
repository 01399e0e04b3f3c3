#pragma once

#include <QByteArray>

namespace fb::detail {

// Builds the tagged byte strings the client library takes as options:
// database (DPB), transaction (TPB), blob (BPB) and service (SPB) parameters.
// Numbers are little-endian, as the library expects on every platform.
class ParameterBuffer
{
public:
    ParameterBuffer() = default;
    explicit ParameterBuffer(char version) { addTag(version); }

    ParameterBuffer &addTag(char tag);
    // tag, one length byte, the bytes (DPB items, SPB attach items).
    ParameterBuffer &addString(char tag, const QByteArray &value);
    // tag, two length bytes, the bytes (SPB action items such as isc_spb_dbname).
    ParameterBuffer &addLongString(char tag, const QByteArray &value);
    // tag, one length byte (4), four bytes (DPB and TPB numbers).
    ParameterBuffer &addNumber(char tag, unsigned int value);
    // tag, four bytes without a length (SPB action numbers such as isc_spb_options).
    ParameterBuffer &addInt(char tag, unsigned int value);
    // tag, one byte (isc_spb_prp_shutdown_mode ...).
    ParameterBuffer &addByte(char tag, char value);

    const char *data() const { return m_bytes.constData(); }
    short size() const { return static_cast<short>(m_bytes.size()); }
    unsigned short unsignedSize() const { return static_cast<unsigned short>(m_bytes.size()); }

private:
    void appendLittleEndian(unsigned int value, int bytes);

    QByteArray m_bytes;
};

} // namespace fb::detail
