#include "persistence/qt/qsettings_store.h"

#include <QSettings>
#include <QStringList>

#include "persistence/text_encoding.h"

namespace orrery {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toUtf8(const QString& text) {
    return text.toUtf8().toStdString();
}

QString groupPath(std::string_view key) {
    return fromUtf8(key).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

// QSettings refuses an empty key name.
QString valuePath(std::string_view key, std::string_view name) {
    return groupPath(key) + QLatin1Char('/') + (name.empty() ? QStringLiteral("(default)") : fromUtf8(name));
}

// Scoped group, so every path of the class reads relative to the root.
class Group {
public:
    Group(QSettings& s, std::string_view key) : s_(s) { s_.beginGroup(groupPath(key)); }
    ~Group() { s_.endGroup(); }
    Group(const Group&) = delete;
    Group& operator=(const Group&) = delete;

private:
    QSettings& s_;
};

}  // namespace

QSettingsStore::QSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Orrery"),
                                            QStringLiteral("orrery"))) {}

QSettingsStore::QSettingsStore(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

QSettingsStore::~QSettingsStore() = default;

std::optional<std::string> QSettingsStore::read(std::string_view key, std::string_view name) const {
    const QVariant value = settings_->value(valuePath(key, name));
    if (!value.isValid()) return std::nullopt;
    if (value.typeId() == QMetaType::QByteArray) return value.toByteArray().toStdString();
    // An unquoted "a, b" typed into the file by hand reads as a list.
    if (value.typeId() == QMetaType::QStringList) return toUtf8(value.toStringList().join(QStringLiteral(", ")));
    return toUtf8(value.toString());
}

void QSettingsStore::write(std::string_view key, std::string_view name, std::string_view value) {
    // Text is kept readable; bytes that are not UTF-8 (a path can be any
    // bytes) are kept as they are.
    if (isValidUtf8(value))
        settings_->setValue(valuePath(key, name), fromUtf8(value));
    else
        settings_->setValue(valuePath(key, name), QByteArray(value.data(), static_cast<qsizetype>(value.size())));
}

std::vector<std::string> QSettingsStore::subkeys(std::string_view key) const {
    Group group(*settings_, key);
    std::vector<std::string> names;
    for (const QString& child : settings_->childGroups()) names.push_back(toUtf8(child));
    return names;
}

void QSettingsStore::removeKey(std::string_view key) {
    if (key.empty()) return;  // an empty path would clear the whole file
    settings_->remove(groupPath(key));
}

bool QSettingsStore::keyExists(std::string_view key) const {
    Group group(*settings_, key);
    return !settings_->allKeys().isEmpty();
}

bool QSettingsStore::flush() {
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

QString QSettingsStore::fileName() const {
    return settings_->fileName();
}

}  // namespace orrery
