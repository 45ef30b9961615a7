#include "report/reporttemplate.h"

#include "core/config.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <cmath>

namespace report {

namespace {

const char* const kFormatTag = "membercard-report";

struct KindName
{
    BandKind kind;
    const char* name;
    const char* caption;
};

const KindName kBandKinds[] = {
    {BandKind::ReportTitle, "reportTitle", "报表标题"},
    {BandKind::PageHeader, "pageHeader", "页眉"},
    {BandKind::ColumnHeader, "columnHeader", "栏头"},
    {BandKind::GroupHeader, "groupHeader", "分组头"},
    {BandKind::MasterData, "masterData", "主数据"},
    {BandKind::DetailData, "detailData", "从数据"},
    {BandKind::GroupFooter, "groupFooter", "分组尾"},
    {BandKind::ColumnFooter, "columnFooter", "栏尾"},
    {BandKind::PageFooter, "pageFooter", "页脚"},
    {BandKind::ReportSummary, "reportSummary", "报表合计"},
};

struct ObjectKindName
{
    ObjectKind kind;
    const char* name;
};

const ObjectKindName kObjectKinds[] = {
    {ObjectKind::Text, "text"},
    {ObjectKind::Line, "line"},
    {ObjectKind::Rect, "rect"},
    {ObjectKind::Picture, "picture"},
    {ObjectKind::FieldPicture, "fieldPicture"},
};

// Lengths are written with two decimals so that a file saved twice stays the same.
double mm(double v)
{
    return std::round(v * 100.0) / 100.0;
}

QString colorName(const QColor& c)
{
    if (!c.isValid())
        return {};
    return c.alpha() == 255 ? c.name(QColor::HexRgb) : c.name(QColor::HexArgb);
}

// Reading with a reason for the first thing that is wrong.
class Reader
{
public:
    QString error;

    bool fail(const QString& where, const QString& what)
    {
        if (error.isEmpty())
            error = where + QStringLiteral("：") + what;
        return false;
    }

    double number(const QJsonObject& o, const char* key, double def, double lo, double hi,
                  const QString& where)
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined() || v.isNull())
            return def;
        if (!v.isDouble()) {
            fail(where, QStringLiteral("“%1”应为数值").arg(QLatin1String(key)));
            return def;
        }
        const double d = v.toDouble();
        if (!std::isfinite(d) || d < lo || d > hi) {
            fail(where, QStringLiteral("“%1”超出范围").arg(QLatin1String(key)));
            return def;
        }
        return d;
    }

    QString string(const QJsonObject& o, const char* key, const QString& where, const QString& def = {})
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined() || v.isNull())
            return def;
        if (!v.isString()) {
            fail(where, QStringLiteral("“%1”应为文本").arg(QLatin1String(key)));
            return def;
        }
        return v.toString();
    }

    bool boolean(const QJsonObject& o, const char* key, bool def, const QString& where)
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined() || v.isNull())
            return def;
        if (!v.isBool()) {
            fail(where, QStringLiteral("“%1”应为真或假").arg(QLatin1String(key)));
            return def;
        }
        return v.toBool();
    }

    QColor color(const QJsonObject& o, const char* key, const QColor& def, const QString& where)
    {
        const QString s = string(o, key, where, QStringLiteral("\x01"));
        if (s == QStringLiteral("\x01"))
            return def;
        if (s.isEmpty())
            return {};
        const QColor c = QColor::fromString(s);
        if (!c.isValid())
            fail(where, QStringLiteral("“%1”不是颜色").arg(QLatin1String(key)));
        return c.isValid() ? c : def;
    }

    QJsonObject object(const QJsonValue& v, const QString& where)
    {
        if (!v.isObject())
            fail(where, QStringLiteral("应为对象"));
        return v.toObject();
    }

    QJsonArray array(const QJsonObject& o, const char* key, const QString& where)
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined() || v.isNull())
            return {};
        if (!v.isArray())
            fail(where, QStringLiteral("“%1”应为数组").arg(QLatin1String(key)));
        return v.toArray();
    }

    TReportFont font(const QJsonObject& o, const QString& where)
    {
        TReportFont f;
        if (!o.contains(QLatin1String("font")))
            return f;
        const QJsonObject fo = object(o.value(QLatin1String("font")), where);
        f.family = string(fo, "family", where, f.family);
        f.size = number(fo, "size", f.size, 1.0, 200.0, where);
        f.bold = boolean(fo, "bold", false, where);
        f.italic = boolean(fo, "italic", false, where);
        f.underline = boolean(fo, "underline", false, where);
        f.color = color(fo, "color", f.color, where);
        if (!f.color.isValid())
            f.color = Qt::black;
        return f;
    }

    QRectF geometry(const QJsonObject& o, const QString& where)
    {
        const QJsonArray a = array(o, "geometry", where);
        if (a.size() != 4) {
            fail(where, QStringLiteral("“geometry”应为四个数值"));
            return {};
        }
        double v[4];
        for (int i = 0; i < 4; ++i) {
            if (!a.at(i).isDouble() || !std::isfinite(a.at(i).toDouble())) {
                fail(where, QStringLiteral("“geometry”应为四个数值"));
                return {};
            }
            v[i] = a.at(i).toDouble();
        }
        if (v[0] < -1000 || v[1] < -1000 || v[0] > 3000 || v[1] > 3000 || v[2] < 0 || v[3] < 0 ||
            v[2] > 3000 || v[3] > 3000) {
            fail(where, QStringLiteral("“geometry”超出范围"));
            return {};
        }
        return QRectF(v[0], v[1], v[2], v[3]);
    }
};

QJsonObject fontJson(const TReportFont& f)
{
    QJsonObject o;
    o.insert(QStringLiteral("family"), f.family);
    o.insert(QStringLiteral("size"), mm(f.size));
    if (f.bold)
        o.insert(QStringLiteral("bold"), true);
    if (f.italic)
        o.insert(QStringLiteral("italic"), true);
    if (f.underline)
        o.insert(QStringLiteral("underline"), true);
    if (f.color != QColor(Qt::black))
        o.insert(QStringLiteral("color"), colorName(f.color));
    return o;
}

QJsonObject objectJson(const TReportObject& ob)
{
    const TReportObject def;
    QJsonObject o;
    o.insert(QStringLiteral("name"), ob.name);
    for (const ObjectKindName& k : kObjectKinds)
        if (k.kind == ob.kind)
            o.insert(QStringLiteral("kind"), QLatin1String(k.name));
    o.insert(QStringLiteral("geometry"), QJsonArray{mm(ob.geometry.x()), mm(ob.geometry.y()),
                                                    mm(ob.geometry.width()), mm(ob.geometry.height())});
    if (!ob.text.isEmpty())
        o.insert(QStringLiteral("text"), ob.text);
    if (ob.kind == ObjectKind::Text)
        o.insert(QStringLiteral("font"), fontJson(ob.font));
    if (ob.hAlign != def.hAlign)
        o.insert(QStringLiteral("hAlign"), ob.hAlign);
    if (ob.vAlign != def.vAlign)
        o.insert(QStringLiteral("vAlign"), ob.vAlign);
    if (ob.wordWrap != def.wordWrap)
        o.insert(QStringLiteral("wordWrap"), ob.wordWrap);
    if (ob.canGrow)
        o.insert(QStringLiteral("canGrow"), true);
    if (ob.stretchToBand)
        o.insert(QStringLiteral("stretchToBand"), true);
    if (!ob.displayFormat.isEmpty())
        o.insert(QStringLiteral("displayFormat"), ob.displayFormat);
    if (ob.frame != FrameNone)
        o.insert(QStringLiteral("frame"), ob.frame);
    if (ob.frameWidth != def.frameWidth)
        o.insert(QStringLiteral("frameWidth"), mm(ob.frameWidth));
    if (ob.frameColor != def.frameColor)
        o.insert(QStringLiteral("frameColor"), colorName(ob.frameColor));
    if (ob.fillColor.isValid())
        o.insert(QStringLiteral("fillColor"), colorName(ob.fillColor));
    if (!ob.picture.isEmpty())
        o.insert(QStringLiteral("picture"), QString::fromLatin1(ob.picture.toBase64()));
    if (ob.keepAspect != def.keepAspect)
        o.insert(QStringLiteral("keepAspect"), ob.keepAspect);
    return o;
}

QJsonObject bandJson(const TReportBand& b)
{
    const TReportBand def;
    QJsonObject o;
    o.insert(QStringLiteral("name"), b.name);
    o.insert(QStringLiteral("kind"), bandKindName(b.kind));
    o.insert(QStringLiteral("height"), mm(b.height));
    if (!b.dataSet.isEmpty())
        o.insert(QStringLiteral("dataSet"), b.dataSet);
    if (b.currentRecordOnly)
        o.insert(QStringLiteral("currentRecordOnly"), true);
    if (!b.masterField.isEmpty())
        o.insert(QStringLiteral("masterField"), b.masterField);
    if (!b.detailField.isEmpty())
        o.insert(QStringLiteral("detailField"), b.detailField);
    if (!b.groupField.isEmpty())
        o.insert(QStringLiteral("groupField"), b.groupField);
    if (b.columns != def.columns)
        o.insert(QStringLiteral("columns"), b.columns);
    if (b.columnWidth != def.columnWidth)
        o.insert(QStringLiteral("columnWidth"), mm(b.columnWidth));
    if (b.columnGap != def.columnGap)
        o.insert(QStringLiteral("columnGap"), mm(b.columnGap));
    if (b.startNewPage)
        o.insert(QStringLiteral("startNewPage"), true);
    if (!b.printOnFirstPage)
        o.insert(QStringLiteral("printOnFirstPage"), false);
    QJsonArray objects;
    for (const TReportObject& ob : b.objects)
        objects.append(objectJson(ob));
    o.insert(QStringLiteral("objects"), objects);
    return o;
}

// Upgrades of older files go here, one step per version, before the reading
// below (which understands the current version only).
void upgrade(QJsonObject& /*root*/, int /*fromVersion*/) {}

} // namespace

QString bandKindName(BandKind kind)
{
    for (const KindName& k : kBandKinds)
        if (k.kind == kind)
            return QLatin1String(k.name);
    return {};
}

QString bandKindCaption(BandKind kind)
{
    for (const KindName& k : kBandKinds)
        if (k.kind == kind)
            return QString::fromUtf8(k.caption);
    return {};
}

bool bandKindFromName(const QString& name, BandKind* kind)
{
    for (const KindName& k : kBandKinds) {
        if (name.compare(QLatin1String(k.name), Qt::CaseInsensitive) == 0) {
            *kind = k.kind;
            return true;
        }
    }
    return false;
}

void TReportTemplate::declareVariables(const QString& category, const QStringList& names)
{
    variableCategory = category;
    variables.clear();
    for (const QString& n : names)
        variables.append(TReportVariable{n, QString()});
}

QString TReportTemplate::uniqueObjectName(const QString& stem) const
{
    for (int i = 1;; ++i) {
        const QString candidate = stem + QString::number(i);
        bool used = false;
        for (const TReportBand& b : bands)
            for (const TReportObject& o : b.objects)
                used = used || o.name.compare(candidate, Qt::CaseInsensitive) == 0;
        if (!used)
            return candidate;
    }
}

TReportObject* TReportTemplate::findObject(const QString& name, int* band)
{
    for (int b = 0; b < bands.size(); ++b) {
        for (TReportObject& o : bands[b].objects) {
            if (o.name == name) {
                if (band)
                    *band = b;
                return &o;
            }
        }
    }
    return nullptr;
}

QByteArray TReportTemplate::toJson() const
{
    QJsonObject root;
    root.insert(QStringLiteral("format"), QLatin1String(kFormatTag));
    root.insert(QStringLiteral("version"), formatVersion);
    root.insert(QStringLiteral("title"), title);
    QJsonObject p;
    p.insert(QStringLiteral("width"), mm(page.width));
    p.insert(QStringLiteral("height"), mm(page.height));
    p.insert(QStringLiteral("landscape"), page.landscape);
    p.insert(QStringLiteral("margins"), QJsonArray{mm(page.marginLeft), mm(page.marginTop),
                                                   mm(page.marginRight), mm(page.marginBottom)});
    root.insert(QStringLiteral("page"), p);
    QJsonObject vars;
    vars.insert(QStringLiteral("category"), variableCategory);
    QJsonArray names;
    for (const TReportVariable& v : variables)
        names.append(QJsonObject{{QStringLiteral("name"), v.name}, {QStringLiteral("value"), v.value}});
    vars.insert(QStringLiteral("items"), names);
    root.insert(QStringLiteral("variables"), vars);
    QJsonArray bandArray;
    for (const TReportBand& b : bands)
        bandArray.append(bandJson(b));
    root.insert(QStringLiteral("bands"), bandArray);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool TReportTemplate::fromJson(const QByteArray& data, QString* error)
{
    auto failWith = [error](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(data, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return failWith(QStringLiteral("第 %1 个字符处格式错误（%2）")
                            .arg(parseError.offset)
                            .arg(parseError.errorString()));
    if (!doc.isObject())
        return failWith(QStringLiteral("不是报表模板"));
    QJsonObject root = doc.object();
    if (root.value(QStringLiteral("format")).toString() != QLatin1String(kFormatTag))
        return failWith(QStringLiteral("不是报表模板"));
    const QJsonValue versionValue = root.value(QStringLiteral("version"));
    if (!versionValue.isDouble() || versionValue.toDouble() < 1)
        return failWith(QStringLiteral("缺少版本号"));
    const int version = versionValue.toInt();
    if (version > formatVersion)
        return failWith(
            QStringLiteral("模板版本 %1 高于本程序支持的版本 %2").arg(version).arg(formatVersion));
    if (version < formatVersion)
        upgrade(root, version);

    Reader r;
    TReportTemplate t;
    t.title = r.string(root, "title", QStringLiteral("报表"));
    const QJsonObject p = root.contains(QStringLiteral("page"))
                              ? r.object(root.value(QStringLiteral("page")), QStringLiteral("页面"))
                              : QJsonObject();
    const QString pageWhere = QStringLiteral("页面");
    t.page.width = r.number(p, "width", 210.0, 10.0, 3000.0, pageWhere);
    t.page.height = r.number(p, "height", 297.0, 10.0, 3000.0, pageWhere);
    t.page.landscape = r.boolean(p, "landscape", false, pageWhere);
    const QJsonArray margins = r.array(p, "margins", pageWhere);
    if (!margins.isEmpty()) {
        double m[4] = {};
        if (margins.size() != 4)
            r.fail(pageWhere, QStringLiteral("“margins”应为四个数值"));
        for (int i = 0; i < 4 && i < margins.size(); ++i) {
            m[i] = margins.at(i).toDouble(-1.0);
            if (!margins.at(i).isDouble() || m[i] < 0 || m[i] > 500)
                r.fail(pageWhere, QStringLiteral("“margins”超出范围"));
        }
        t.page.marginLeft = m[0];
        t.page.marginTop = m[1];
        t.page.marginRight = m[2];
        t.page.marginBottom = m[3];
    }
    if (t.page.printableWidth() <= 0 || t.page.pageHeight() - t.page.marginTop - t.page.marginBottom <= 0)
        r.fail(pageWhere, QStringLiteral("页边距大于纸张"));

    if (root.contains(QStringLiteral("variables"))) {
        const QString where = QStringLiteral("变量");
        const QJsonObject vars = r.object(root.value(QStringLiteral("variables")), where);
        t.variableCategory = r.string(vars, "category", where);
        for (const QJsonValue& v : r.array(vars, "items", where)) {
            const QJsonObject vo = r.object(v, where);
            TReportVariable var{r.string(vo, "name", where), r.string(vo, "value", where)};
            if (var.name.trimmed().isEmpty())
                r.fail(where, QStringLiteral("变量名为空"));
            t.variables.append(var);
        }
    }

    const QJsonArray bands = r.array(root, "bands", QStringLiteral("报表"));
    for (int bi = 0; bi < bands.size() && r.error.isEmpty(); ++bi) {
        QString where = QStringLiteral("第 %1 个区域").arg(bi + 1);
        const QJsonObject bo = r.object(bands.at(bi), where);
        TReportBand b;
        b.name = r.string(bo, "name", where);
        if (!b.name.isEmpty())
            where = QStringLiteral("区域“%1”").arg(b.name);
        if (!bandKindFromName(r.string(bo, "kind", where), &b.kind))
            r.fail(where, QStringLiteral("未知的区域类型"));
        b.height = r.number(bo, "height", 8.0, 0.0, 3000.0, where);
        b.dataSet = r.string(bo, "dataSet", where);
        b.currentRecordOnly = r.boolean(bo, "currentRecordOnly", false, where);
        b.masterField = r.string(bo, "masterField", where);
        b.detailField = r.string(bo, "detailField", where);
        b.groupField = r.string(bo, "groupField", where);
        b.columns = static_cast<int>(r.number(bo, "columns", 1, 1, 50, where));
        b.columnWidth = r.number(bo, "columnWidth", 0.0, 0.0, 3000.0, where);
        b.columnGap = r.number(bo, "columnGap", 0.0, 0.0, 3000.0, where);
        b.startNewPage = r.boolean(bo, "startNewPage", false, where);
        b.printOnFirstPage = r.boolean(bo, "printOnFirstPage", true, where);
        const QJsonArray objects = r.array(bo, "objects", where);
        for (int oi = 0; oi < objects.size() && r.error.isEmpty(); ++oi) {
            QString ow = where + QStringLiteral("第 %1 个对象").arg(oi + 1);
            const QJsonObject oo = r.object(objects.at(oi), ow);
            TReportObject ob;
            ob.name = r.string(oo, "name", ow);
            if (!ob.name.isEmpty())
                ow = QStringLiteral("对象“%1”").arg(ob.name);
            const QString kind = r.string(oo, "kind", ow, QStringLiteral("text"));
            bool known = false;
            for (const ObjectKindName& k : kObjectKinds) {
                if (kind.compare(QLatin1String(k.name), Qt::CaseInsensitive) == 0) {
                    ob.kind = k.kind;
                    known = true;
                }
            }
            if (!known)
                r.fail(ow, QStringLiteral("未知的对象类型"));
            ob.geometry = r.geometry(oo, ow);
            ob.text = r.string(oo, "text", ow);
            ob.font = r.font(oo, ow);
            ob.hAlign = static_cast<int>(r.number(oo, "hAlign", AlignLeft, 0, 2, ow));
            ob.vAlign = static_cast<int>(r.number(oo, "vAlign", AlignTop, 0, 2, ow));
            ob.wordWrap = r.boolean(oo, "wordWrap", true, ow);
            ob.canGrow = r.boolean(oo, "canGrow", false, ow);
            ob.stretchToBand = r.boolean(oo, "stretchToBand", false, ow);
            ob.displayFormat = r.string(oo, "displayFormat", ow);
            ob.frame = static_cast<int>(r.number(oo, "frame", FrameNone, 0, FrameAll, ow));
            ob.frameWidth = r.number(oo, "frameWidth", 0.2, 0.0, 20.0, ow);
            ob.frameColor = r.color(oo, "frameColor", QColor(Qt::black), ow);
            ob.fillColor = r.color(oo, "fillColor", QColor(), ow);
            const QString picture = r.string(oo, "picture", ow);
            if (!picture.isEmpty()) {
                auto decoded = QByteArray::fromBase64Encoding(picture.toLatin1(),
                                                              QByteArray::AbortOnBase64DecodingErrors);
                if (!decoded)
                    r.fail(ow, QStringLiteral("图片数据已损坏"));
                else
                    ob.picture = *decoded;
            }
            ob.keepAspect = r.boolean(oo, "keepAspect", true, ow);
            b.objects.append(ob);
        }
        t.bands.append(b);
    }
    if (!r.error.isEmpty())
        return failWith(r.error);
    *this = t;
    return true;
}

QString templateFileSuffix()
{
    return QStringLiteral(".mcr");
}

QString templatePath(const QString& name)
{
    return appenv::programDir() + QStringLiteral("Qr/") + name + templateFileSuffix();
}

LoadStatus loadTemplateFile(const QString& path, TReportTemplate* out, QString* error)
{
    *out = TReportTemplate();
    QFile f(path);
    if (!f.exists())
        return LoadStatus::Missing;
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = f.errorString();
        return LoadStatus::Damaged;
    }
    // A template is a few hundred kilobytes at most (pictures included).
    if (f.size() > 64 * 1024 * 1024) {
        if (error)
            *error = QStringLiteral("文件过大");
        return LoadStatus::Damaged;
    }
    TReportTemplate t;
    if (!t.fromJson(f.readAll(), error))
        return LoadStatus::Damaged;
    *out = t;
    return LoadStatus::Loaded;
}

bool saveTemplateFile(const TReportTemplate& t, const QString& path, QString* error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(t.toJson()) < 0 || !f.commit()) {
        if (error)
            *error = f.errorString();
        return false;
    }
    return true;
}

} // namespace report
