#include "platform_qt/qsettings_store.h"

#include <QLocale>
#include <QSettings>

namespace slv {

namespace {
QString keyPath(const std::string& application, const std::string& section, const std::string& key)
{
    // One settings file per organisation; the application name is the top group
    // so that several applications could share it.
    return QString::fromStdString(application + "/" + section + "/" + key);
}
}  // namespace

QSettingsStore::QSettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, kSettingsApplication,
                                             kSettingsApplication))
{
}

QSettingsStore::QSettingsStore(const std::string& iniFilePath)
    : m_settings(std::make_unique<QSettings>(QString::fromStdString(iniFilePath), QSettings::IniFormat))
{
}

QSettingsStore::~QSettingsStore() = default;

std::optional<std::string> QSettingsStore::read(const std::string& application, const std::string& section,
                                                const std::string& key) const
{
    const QVariant value = m_settings->value(keyPath(application, section, key));
    if (!value.isValid())
        return std::nullopt;
    // Texts are kept as the document holds them: 8-bit ANSI bytes.
    return value.toString().toLatin1().toStdString();
}

void QSettingsStore::write(const std::string& application, const std::string& section, const std::string& key,
                           const std::string& value)
{
    m_settings->setValue(keyPath(application, section, key),
                         QString::fromLatin1(value.data(), qsizetype(value.size())));
    m_settings->sync();
}

char systemDecimalSeparator()
{
    return QLocale::system().toString(1.1).contains(QLatin1Char('.')) ? '.' : ',';
}

}  // namespace slv
