#pragma once

#include <QString>
#include <stdexcept>
#include <vector>

namespace fb {

// Well-known Firebird status codes (ISC codes) that callers test for.
namespace codes {
constexpr long UpdateConflict = 335544451; // isc_update_conflict
constexpr long Deadlock = 335544336;       // isc_deadlock
constexpr long LockConflict = 335544345;   // isc_lock_conflict
constexpr long LockTimeout = 335544510;    // isc_lock_timeout
constexpr long UniqueKeyViolation = 335544665; // isc_unique_key_violation
constexpr long NoDuplicate = 335544349;    // isc_no_dup (unique index)
constexpr long ForeignKey = 335544466;     // isc_foreign_key
}

// An error raised by the database client or server. Keeps the server's own
// text (already in Spanish when the message file has it, otherwise English)
// and every status code of the status vector, so callers can react to a
// specific condition (update conflict, unique key) without parsing text.
class Error : public std::runtime_error
{
public:
    Error(QString text, std::vector<long> codes = {}, int sqlCode = 0);

    const QString &text() const { return m_text; }
    const std::vector<long> &codes() const { return m_codes; }
    long code() const { return m_codes.empty() ? 0 : m_codes.front(); }
    bool hasCode(long code) const;
    int sqlCode() const { return m_sqlCode; }

private:
    QString m_text;
    std::vector<long> m_codes;
    int m_sqlCode;
};

} // namespace fb
