#pragma once

#include <QAbstractListModel>
#include <QString>

#include <string>

namespace dravek {
class IndiceLineas;
}

namespace dravek::gui {

// The lines of a long read-only text as a list, for a view of rows of fixed height that draws
// only the lines on screen: a line is read from the UTF-8 text when it is drawn. Nothing of the
// text is converted or laid out beforehand, so a listing of tens of megabytes shows at once.
class ModeloLineas final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    // The text and its index, which must stay as they are while the model shows them.
    void Pon(const std::string &texto, const IndiceLineas &indice);
    // Whether the model shows that text with that index already.
    bool Muestra(const std::string &texto, const IndiceLineas &indice) const;

    int rowCount(const QModelIndex &padre = QModelIndex()) const override;
    QVariant data(const QModelIndex &indice, int rol) const override;
    Qt::ItemFlags flags(const QModelIndex &indice) const override;

    // Lines primera to ultima, joined by line ends as the text holds them.
    QString Texto(int primera, int ultima) const;

private:
    const std::string *m_texto = nullptr;
    const IndiceLineas *m_indice = nullptr;
    const char *m_datos = nullptr;
    std::size_t m_tamano = 0;
};

} // namespace dravek::gui
