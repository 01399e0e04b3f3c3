#include "FbParameterBuffer.h"

namespace fb::detail {

ParameterBuffer &ParameterBuffer::addTag(char tag)
{
    m_bytes.append(tag);
    return *this;
}

ParameterBuffer &ParameterBuffer::addString(char tag, const QByteArray &value)
{
    addTag(tag);
    appendLittleEndian(static_cast<unsigned int>(value.size()), 1);
    m_bytes.append(value);
    return *this;
}

ParameterBuffer &ParameterBuffer::addLongString(char tag, const QByteArray &value)
{
    addTag(tag);
    appendLittleEndian(static_cast<unsigned int>(value.size()), 2);
    m_bytes.append(value);
    return *this;
}

ParameterBuffer &ParameterBuffer::addNumber(char tag, unsigned int value)
{
    addTag(tag);
    appendLittleEndian(4, 1);
    appendLittleEndian(value, 4);
    return *this;
}

ParameterBuffer &ParameterBuffer::addInt(char tag, unsigned int value)
{
    addTag(tag);
    appendLittleEndian(value, 4);
    return *this;
}

ParameterBuffer &ParameterBuffer::addByte(char tag, char value)
{
    addTag(tag);
    m_bytes.append(value);
    return *this;
}

void ParameterBuffer::appendLittleEndian(unsigned int value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        m_bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace fb::detail
