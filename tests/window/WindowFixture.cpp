#include "WindowFixture.h"

#include <QDate>
#include <QTest>

#include <utility>

MainWindow& WindowFixture::make()
{
    errors_.clear();
    window_ = std::make_unique<MainWindow>([] { return QDate(2026, 12, 6); });
    window_->setErrorDisplay([this](const QString& message) { errors_ << message; });
    return *window_;
}

bool WindowFixture::open()
{
    make();
    window_->show();
    window_->activateWindow();
    return QTest::qWaitFor([this] { return window_->isActivated(); });
}

QStringList WindowFixture::close()
{
    window_.reset();
    return std::exchange(errors_, {});
}
