#!/usr/bin/env python3
"""Writes the report templates shipped in resources/Qr.

The templates are ordinary template files; after this script has written
them they can be changed in the program's report designer. Run it again only
to start over from these layouts:

    python3 tools/make_report_templates.py
"""

import json
import os

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "Qr")

BODY = "宋体"
HEAD = "黑体"
MONEY = "￥,0.00##;-￥,0.00##"
MONEY2 = "￥,0.00;-￥,0.00"
NUM = ",0.##;-,0.##"
QTY = ",0.####;-,0.####"
DATE = "yyyy-MM-dd"
STAMP = "yyyy-MM-dd hh:nn:ss"
CARD = "map:0=折扣卡;1=储值卡;2=计次卡;3=升级卡"
MOVE = "map:1=进货;2=退货;3=出货;4=销退"
DEFAULT_VARS = ["sCurKHname", "memoDate", "memoCaption"]

LEFT, CENTER, RIGHT = 0, 1, 2
ALL = 15
GREY = "#eeeeee"


class Names:
    def __init__(self):
        self.count = {}

    def __call__(self, stem):
        self.count[stem] = self.count.get(stem, 0) + 1
        return "%s%d" % (stem, self.count[stem])


def r2(v):
    return round(v * 100) / 100


def text(names, x, y, w, h, content, size=9, bold=False, family=BODY, align=LEFT, valign=1, frame=0,
         fmt="", grow=False, stretch=False, fill=None, wrap=True, stem="Text"):
    o = {"name": names(stem), "kind": "text", "geometry": [r2(x), r2(y), r2(w), r2(h)], "text": content,
         "font": {"family": family, "size": size}}
    if bold:
        o["font"]["bold"] = True
    if align:
        o["hAlign"] = align
    if valign:
        o["vAlign"] = valign
    if frame:
        o["frame"] = frame
    if fmt:
        o["displayFormat"] = fmt
    if grow:
        o["canGrow"] = True
    if stretch:
        o["stretchToBand"] = True
    if fill:
        o["fillColor"] = fill
    if not wrap:
        o["wordWrap"] = False
    return o


def line(names, x, y, w, h=0, width=0.3):
    return {"name": names("Line"), "kind": "line", "geometry": [r2(x), r2(y), r2(w), r2(h)], "frameWidth": width}


def field_picture(names, x, y, w, h, content):
    return {"name": names("Photo"), "kind": "fieldPicture", "geometry": [r2(x), r2(y), r2(w), r2(h)],
            "text": content, "frame": ALL, "frameWidth": 0.2}


def band(kind, height, objects, name, **extra):
    b = {"name": name, "kind": kind, "height": height, "objects": objects}
    b.update(extra)
    return b


def page(landscape=False, width=210.0, height=297.0, margins=(10, 10, 10, 10)):
    return {"width": width, "height": height, "landscape": landscape, "margins": list(margins)}


def printable(p):
    w = p["height"] if p["landscape"] else p["width"]
    return w - p["margins"][0] - p["margins"][2]


def template(title, pg, bands, variables=None):
    return {"format": "membercard-report", "version": 1, "title": title, "page": pg,
            "variables": {"category": "自定义变量",
                          "items": [{"name": v, "value": ""} for v in (variables or DEFAULT_VARS)]},
            "bands": bands}


def scaled(cols, width):
    """Column widths from weights, summing exactly to the width."""
    total = sum(c[2] for c in cols)
    widths = [r2(c[2] * width / total) for c in cols]
    widths[-1] = r2(width - sum(widths[:-1]))
    return widths


def columns_bands(names, ds, cols, width, suffix="1", sums=True, caption=None, count=True,
                  header_extra=None, row_height=5.5):
    """Column header, data rows and column footer of a list.

    cols: (field, title, weight, format, align, summed)
    """
    widths = scaled(cols, width)
    heads = []
    y0 = 0
    if caption:
        heads.append(text(names, 0, 0, width, 7, caption, size=10.5, bold=True, family=HEAD, valign=2))
        y0 = 7.5
    cells = []
    foots = []
    x = 0
    first_sum = next((i for i, c in enumerate(cols) if c[5]), None)
    for i, (field, title, _, fmt, align, summed) in enumerate(cols):
        w = widths[i]
        heads.append(text(names, x, y0, w, 6, title, bold=True, align=CENTER, frame=ALL, fill=GREY,
                          grow=True, stretch=True))
        cells.append(text(names, x, 0, w, row_height, '[%s."%s"]' % (ds, field), align=align, frame=ALL,
                          fmt=fmt, grow=True, stretch=True))
        if summed:
            foot = '[SUM(%s."%s")]' % (ds, field)
        elif i == 0:
            foot = ("合计（共 [COUNT(%s)] 条）" % ds) if count else "合计"
        else:
            foot = ""
        foots.append(text(names, x, 0, w, 6, foot, bold=True, align=align if summed else LEFT, frame=ALL,
                          fmt=fmt if summed else "", grow=True, stretch=True))
        x += w
    if header_extra:
        heads.extend(header_extra)
    out = [band("columnHeader", y0 + 6, heads, "ColumnHeader" + suffix),
           band("masterData", row_height, cells, "MasterData" + suffix, dataSet=ds)]
    if sums and (first_sum is not None or count):
        out.append(band("columnFooter", 6, foots, "ColumnFooter" + suffix))
    return out


def page_footer(names, width, extra=None):
    objs = [line(names, 0, 0.5, width, 0, 0.2),
            text(names, 0, 1, width, 6, "第 [Page#] 页 / 共 [TotalPages#] 页", size=8, align=CENTER),
            text(names, width - 70, 1, 70, 6, "打印日期：[Date]", size=8, align=RIGHT, fmt="yyyy年MM月dd日")]
    if extra:
        objs.append(text(names, 0, 1, 90, 6, extra, size=8))
    return band("pageFooter", 7, objs, "PageFooter1")


def title_band(names, title, width, caption=None, height=None):
    objs = [text(names, 0, 0, width, 10, title, size=16, bold=True, family=HEAD, align=CENTER)]
    h = 12
    if caption:
        objs.append(text(names, 0, 10.5, width, 6, caption, size=9.5, align=CENTER))
        h = 18
    return band("reportTitle", height or h, objs, "ReportTitle1")


def list_report(title, ds, cols, landscape=False, caption=None, variables=None, group=None):
    names = Names()
    pg = page(landscape=landscape)
    width = printable(pg)
    bands = [title_band(names, title, width, caption)]
    body = columns_bands(names, ds, cols, width)
    if group:
        field, label, summed_cols = group
        gh = band("groupHeader", 7,
                  [text(names, 0, 0.5, width, 6.5, label, bold=True, valign=2, grow=True)],
                  "GroupHeader1", groupField=field)
        widths = scaled(cols, width)
        fobjs = []
        x = 0
        for i, c in enumerate(cols):
            content = ""
            if c[0] in summed_cols:
                content = '[SUM(%s."%s")]' % (ds, c[0])
            elif i == 0:
                content = "小计"
            if content:
                fobjs.append(text(names, x, 0, widths[i], 6, content, bold=True,
                                  align=c[4] if c[0] in summed_cols else LEFT,
                                  fmt=c[3] if c[0] in summed_cols else "", frame=2))
            x += widths[i]
        gf = band("groupFooter", 6, fobjs, "GroupFooter1")
        body = [body[0], gh, body[1], gf] + body[2:]
    bands += body
    bands.append(page_footer(names, width))
    return template(title, pg, bands, variables)


# ---------------------------------------------------------------------------
# Member prints of the main window.

def mem_list():
    cols = [("F_hycode", "会员卡号", 24, "", LEFT, False), ("F_name", "姓名", 18, "", LEFT, False),
            ("F_sex", "性别", 9, "", CENTER, False), ("F_movephone", "手机", 25, "", LEFT, False),
            ("F_homephone", "电话", 23, "", LEFT, False), ("F_jibie", "会员级别", 17, "", LEFT, False),
            ("F_IFnew", "卡类型", 14, CARD, CENTER, False), ("F_fromDate", "办卡日期", 20, DATE, CENTER, False),
            ("F_toDate", "到期日期", 20, DATE, CENTER, False),
            ("F_beginJE", "卡内余额/剩余次数", 24, MONEY, RIGHT, True),
            ("F_hyJF", "会员积分", 18, NUM, RIGHT, True), ("F_hyXF", "累计消费", 22, MONEY, RIGHT, True),
            ("F_HYstatus", "状态", 12, "", CENTER, False), ("F_address", "居住地址", 40, "", LEFT, False)]
    return list_report("会员统计列表", "frxDM", cols, landscape=True)


def mem_xianqing():
    names = Names()
    pg = page()
    width = printable(pg)
    m = "frxMain"
    bands = [title_band(names, "会员档案详表", width)]
    # The current member's record: label and value pairs beside the photo.
    rows = [
        (("会员卡号", "F_hycode", ""), ("姓    名", "F_name", "")),
        (("性    别", "F_sex", ""), ("出生日期", "F_birthday", DATE)),
        (("手    机", "F_movephone", ""), ("电    话", "F_homephone", "")),
        (("会员级别", "F_jibie", ""), ("卡 类 型", "F_IFnew", CARD)),
        (("会员折扣", "F_rate", NUM), ("会员状态", "F_HYstatus", "")),
        (("办卡日期", "F_fromDate", DATE), ("到期日期", "F_toDate", DATE)),
        (("卡内余额", "F_beginJE", MONEY), ("会员积分", "F_hyJF", NUM)),
        (("累计消费", "F_hyXF", MONEY), ("优惠方式", "F_YHtype", "")),
        (("证件名称", "F_ZJname", ""), ("证件号码", "F_ZJcode", "")),
        (("民    族", "F_minzu", ""), ("电子信箱", "F_email", "")),
        (("单位名称", "F_unit", ""), ("邮    编", "F_postcode", "")),
    ]
    photo_w = 32
    grid_w = width - photo_w - 3
    label_w = 20
    value_w = grid_w / 2 - label_w
    h = 6.5
    objs = []
    for r, pair in enumerate(rows):
        for c, (label, field, fmt) in enumerate(pair):
            x = c * (grid_w / 2)
            objs.append(text(names, x, r * h, label_w, h, label + "：", bold=True, frame=ALL, fill=GREY))
            objs.append(text(names, x + label_w, r * h, value_w, h, '[%s."%s"]' % (m, field), frame=ALL, fmt=fmt))
    y = len(rows) * h
    objs.append(text(names, 0, y, label_w, h, "居住地址：", bold=True, frame=ALL, fill=GREY))
    objs.append(text(names, label_w, y, grid_w - label_w, h, '[%s."F_address"]' % m, frame=ALL))
    y += h
    # The remarks come last: they may grow downwards with the label beside them.
    objs.append(text(names, 0, y, label_w, h, "备    注：", bold=True, frame=ALL, fill=GREY, stretch=True))
    objs.append(text(names, label_w, y, grid_w - label_w, h, '[%s."F_mem"]' % m, frame=ALL, grow=True,
                     stretch=True))
    y += h
    objs.append(field_picture(names, width - photo_w, 0, photo_w, 40, '[%s."F_empImage"]' % m))
    bands.append(band("masterData", y, objs, "MasterData1", dataSet=m, currentRecordOnly=True))

    # Consumption bills with their lines.
    bill_cols = [("F_Code", "单号", 30, "", LEFT, False), ("F_Date", "消费日期", 36, STAMP, CENTER, False),
                 ("F_empName", "营业员", 20, "", LEFT, False), ("F_hyJF", "积分", 18, NUM, RIGHT, True),
                 ("F_totalprice", "消费金额", 26, MONEY2, RIGHT, True), ("F_mem", "备注", 60, "", LEFT, False)]
    sec = columns_bands(names, "frxDetail1", bill_cols, width, suffix="2", caption="消费记录")
    line_objs = [text(names, 8, 0, 40, 5, '[frxDetail2."F_GoodName"]', size=8, grow=True),
                 text(names, 50, 0, 30, 5, '[frxDetail2."F_Spec"]', size=8),
                 text(names, 82, 0, 20, 5, '[frxDetail2."F_Amount"] [frxDetail2."F_Unit"]', size=8, align=RIGHT),
                 text(names, 104, 0, 26, 5, '[frxDetail2."F_Price"]', size=8, align=RIGHT, fmt=MONEY),
                 text(names, 132, 0, 16, 5, '[frxDetail2."F_Rate"]', size=8, align=RIGHT, fmt=NUM),
                 text(names, 150, 0, 30, 5, '[frxDetail2."F_TotalPrice"]', size=8, align=RIGHT, fmt=MONEY)]
    detail = band("detailData", 5, line_objs, "DetailData1", dataSet="frxDetail2", masterField="F_Code",
                  detailField="F_Code")
    bands += [sec[0], sec[1], detail] + sec[2:]

    # Redemption bills with their lines.
    dh_cols = [("F_Code", "单号", 30, "", LEFT, False), ("F_Date", "兑换日期", 36, STAMP, CENTER, False),
               ("F_empName", "营业员", 20, "", LEFT, False), ("F_hyJF", "积分", 18, NUM, RIGHT, True),
               ("F_mem", "备注", 86, "", LEFT, False)]
    sec = columns_bands(names, "frxDetail3", dh_cols, width, suffix="3", caption="积分兑换记录")
    dh_lines = [text(names, 8, 0, 60, 5, '[frxDetail4."F_GoodName"]', size=8, grow=True),
                text(names, 70, 0, 30, 5, '[frxDetail4."F_Amount"]', size=8, align=RIGHT, fmt=QTY),
                text(names, 102, 0, 30, 5, '[frxDetail4."F_dhJF"]', size=8, align=RIGHT, fmt=NUM),
                text(names, 134, 0, 30, 5, '[frxDetail4."F_totalJF"]', size=8, align=RIGHT, fmt=NUM)]
    detail = band("detailData", 5, dh_lines, "DetailData2", dataSet="frxDetail4", masterField="F_Code",
                  detailField="F_Code")
    bands += [sec[0], sec[1], detail] + sec[2:]
    bands.append(page_footer(names, width))
    return template("会员档案详表", pg, bands)


def mem_xingfeng():
    """Envelope (DL, 220 x 110 mm), one member per envelope."""
    names = Names()
    pg = page(width=220.0, height=110.0, margins=(12, 10, 12, 8))
    width = printable(pg)
    m = "frxMain"
    objs = [
        text(names, 0, 2, 60, 9, '[%s."F_postcode"]' % m, size=16, family=HEAD, valign=1, wrap=False),
        line(names, 0, 11, 45, 0, 0.3),
        text(names, 10, 22, 150, 14, '[%s."F_address"]' % m, size=13, grow=True),
        text(names, 10, 37, 150, 8, '[%s."F_unit"]' % m, size=12),
        text(names, 40, 50, 110, 14, '[%s."F_name"]　　收' % m, size=22, family=HEAD, align=CENTER),
        text(names, 90, 74, 106, 6, "会员卡号：[%s.\"F_hycode\"]" % m, size=9, align=RIGHT),
    ]
    bands = [band("masterData", 90, objs, "MasterData1", dataSet=m, startNewPage=True)]
    return template("会员信封", pg, bands)


def mem_biaoqian():
    """Address labels, A4 sheet of 2 x 7 labels (99.1 x 38.1 mm)."""
    names = Names()
    pg = page(margins=(4.65, 15.15, 4.65, 15.15))
    m = "frxMain"
    objs = [
        text(names, 4, 2.5, 50, 6, '[%s."F_postcode"]' % m, size=11, family=HEAD, wrap=False),
        text(names, 4, 9, 90, 11, '[%s."F_address"]' % m, size=9.5),
        text(names, 4, 20.5, 90, 9, '[%s."F_name"]　收' % m, size=14, bold=True, family=HEAD, align=CENTER),
        text(names, 4, 30, 90, 5, '[%s."F_hycode"]' % m, size=7.5, align=RIGHT),
    ]
    bands = [band("masterData", 38.1, objs, "MasterData1", dataSet=m, columns=2, columnWidth=99.1,
                  columnGap=2.5)]
    return template("会员信封标签", pg, bands)


# ---------------------------------------------------------------------------
# Bills.

def bill_header(names, width, rows):
    objs = []
    h = 6
    col_w = width / 3
    for r, row in enumerate(rows):
        for c, content in enumerate(row):
            if content:
                objs.append(text(names, c * col_w, r * h, col_w, h, content))
    return objs, len(rows) * h


def xs_rec_edit():
    names = Names()
    pg = page(width=210.0, height=148.0, margins=(10, 8, 10, 8))
    width = printable(pg)
    objs = [text(names, 0, 0, width, 10, "会员消费单", size=16, bold=True, family=HEAD, align=CENTER)]
    head, h = bill_header(names, width, [
        ["单    号：[sMemCode]", "日    期：[sMemdate]", "营 业 员：[sMemEmpName]"],
        ["会员卡号：[sMemHyCode]", "会员姓名：[sMemName]", "会员折扣：[sMemRate]"],
    ])
    for o in head:
        o["geometry"][1] += 11
    objs += head
    bands = [band("reportTitle", 11 + h + 1, objs, "ReportTitle1")]
    cols = [("F_GoodCode", "编号", 20, "", LEFT, False), ("F_GoodName", "名称", 40, "", LEFT, False),
            ("F_Spec", "规格", 22, "", LEFT, False), ("F_Unit", "单位", 12, "", CENTER, False),
            ("F_Amount", "数量", 16, QTY, RIGHT, True), ("F_Price", "单价", 22, MONEY, RIGHT, False),
            ("F_Rate", "折扣", 14, QTY, RIGHT, False), ("F_TotalPrice", "金额", 26, MONEY, RIGHT, True),
            ("F_Mem", "备注", 18, "", LEFT, False)]
    bands += columns_bands(names, "frxDM", cols, width, count=False)
    summary = [
        text(names, 0, 1, width * 0.6, 6, "金额合计：[sMemTotalPrice]　　[sMemDaxie]", bold=True),
        text(names, width * 0.6, 1, width * 0.4, 6,
             '卡内余额：[frxDD."F_beginJE"]　积分：[frxDD."F_hyJF"]', align=RIGHT, fmt=NUM),
        text(names, 0, 7, width, 6, "备    注：[sMemmemo1]", grow=True),
        text(names, 0, 14, width / 2, 6, "操 作 员：[sMemOperName]"),
        text(names, width / 2, 14, width / 2, 6, "会员签字：＿＿＿＿＿＿＿＿", align=RIGHT),
    ]
    bands.append(band("reportSummary", 21, summary, "ReportSummary1"))
    variables = ["sMemHyCode", "sMemCode", "sMemName", "sMemdate", "sMemEmpName", "sMemOperName", "sMemRate",
                 "sMemDaxie", "sMemmemo1", "sMemTotalPrice"]
    return template("会员消费单", pg, bands, variables)


def xs_rec_edit1():
    names = Names()
    pg = page(width=210.0, height=110.0, margins=(10, 8, 10, 8))
    width = printable(pg)
    objs = [text(names, 0, 0, width, 10, "会员计次消费单", size=16, bold=True, family=HEAD, align=CENTER)]
    head, h = bill_header(names, width, [
        ["单    号：[sMemCode]", "日    期：[sMemdate]", "营 业 员：[sMemEmpName]"],
        ["会员卡号：[sMemHyCode]", "会员姓名：[sMemName]", ""],
    ])
    for o in head:
        o["geometry"][1] += 12
    objs += head
    y = 12 + h + 2
    objs.append(line(names, 0, y, width, 0, 0.3))
    objs.append(text(names, 0, y + 2, width / 2, 8, "本次消费次数：[sMemTotalPrice]", size=11, bold=True))
    objs.append(text(names, width / 2, y + 2, width / 2, 8, "本次积分：[sMemJF]", size=11, bold=True,
                     align=RIGHT))
    objs.append(text(names, 0, y + 11, width, 6, "备    注：[sMemmemo1]", grow=True))
    objs.append(text(names, 0, y + 19, width / 2, 6, "操 作 员：[sMemOperName]"))
    objs.append(text(names, width / 2, y + 19, width / 2, 6, "会员签字：＿＿＿＿＿＿＿＿", align=RIGHT))
    bands = [band("reportTitle", y + 26, objs, "ReportTitle1")]
    variables = ["sMemHyCode", "sMemCode", "sMemName", "sMemdate", "sMemEmpName", "sMemOperName", "sMemJF",
                 "sMemmemo1", "sMemTotalPrice"]
    return template("会员计次消费单", pg, bands, variables)


def dh_bill():
    names = Names()
    pg = page(width=210.0, height=148.0, margins=(10, 8, 10, 8))
    width = printable(pg)
    objs = [text(names, 0, 0, width, 10, "积分兑换单", size=16, bold=True, family=HEAD, align=CENTER)]
    head, h = bill_header(names, width, [
        ["单    号：[sMemCode]", "日    期：[sMemdate]", "营 业 员：[sMemEmpName]"],
        ["会员卡号：[sMemHyCode]", "会员姓名：[sMemName]", ""],
    ])
    for o in head:
        o["geometry"][1] += 11
    objs += head
    bands = [band("reportTitle", 11 + h + 1, objs, "ReportTitle1")]
    cols = [("F_GoodCode", "编号", 24, "", LEFT, False), ("F_GoodName", "名称", 60, "", LEFT, False),
            ("F_Amount", "兑换数量", 22, QTY, RIGHT, True), ("F_dhJF", "单位积分", 22, NUM, RIGHT, False),
            ("F_totalJF", "兑换积分", 24, NUM, RIGHT, True), ("F_Mem", "备注", 38, "", LEFT, False)]
    bands += columns_bands(names, "frxDM", cols, width, count=False)
    summary = [
        text(names, 0, 1, width / 2, 6, "合计积分：[sNemTotalJF]", bold=True),
        text(names, width / 2, 1, width / 2, 6, '兑换后剩余积分：[frxDD."F_hyJF"]', align=RIGHT, fmt=NUM),
        text(names, 0, 7, width, 6, "备    注：[sMemmemo1]", grow=True),
        text(names, 0, 14, width / 2, 6, "操 作 员：[sMemOperName]"),
        text(names, width / 2, 14, width / 2, 6, "会员签字：＿＿＿＿＿＿＿＿", align=RIGHT),
    ]
    bands.append(band("reportSummary", 21, summary, "ReportSummary1"))
    variables = ["sMemHyCode", "sMemCode", "sMemName", "sMemdate", "sMemEmpName", "sMemOperName", "sMemmemo1",
                 "sNemTotalJF"]
    return template("积分兑换单", pg, bands, variables)


# ---------------------------------------------------------------------------
# Lists of the other windows.

def good_list():
    cols = [("F_code", "编号", 22, "", LEFT, False), ("F_name", "名称", 40, "", LEFT, False),
            ("F_type", "类别", 22, "", LEFT, False), ("F_spec", "规格", 22, "", LEFT, False),
            ("F_unit", "单位", 12, "", CENTER, False), ("F_address", "产地", 28, "", LEFT, False),
            ("F_price1", "预售单价", 22, MONEY, RIGHT, False), ("F_price2", "进货单价", 22, MONEY, RIGHT, False),
            ("F_amount", "库存数量", 20, QTY, RIGHT, True), ("F_rate", "最低折扣", 16, NUM, RIGHT, False),
            ("F_mem", "备注", 30, "", LEFT, False)]
    return list_report("商品资料列表", "frxDM", cols, landscape=True)


def awoke(title, first):
    cols = [first, ("F_hycode", "会员卡号", 24, "", LEFT, False), ("F_name", "会员名称", 18, "", LEFT, False),
            ("F_sex", "性别", 9, "", CENTER, False), ("F_movePhone", "手机", 25, "", LEFT, False),
            ("F_homephone", "电话", 23, "", LEFT, False), ("F_jibie", "会员级别", 18, "", LEFT, False),
            ("F_fromDate", "办卡日期", 20, DATE, CENTER, False)]
    if first[0] != "F_toDate":
        cols.append(("F_toDate", "到期日期", 20, DATE, CENTER, False))
    cols += [("F_hyJF", "会员积分", 18, NUM, RIGHT, False), ("F_hyXF", "累计消费", 22, MONEY, RIGHT, False),
             ("F_num", "天数", 10, "", RIGHT, False), ("F_address", "居住地址", 40, "", LEFT, False)]
    return list_report(title, "frxDM", cols, landscape=True)


def xsrec_total():
    cols = [("F_hycode", "会员卡号", 24, "", LEFT, False), ("F_name", "姓名", 18, "", LEFT, False),
            ("F_jibie", "会员级别", 18, "", LEFT, False), ("F_IFnew", "会员类型", 14, CARD, CENTER, False),
            ("r_code", "消费单号", 30, "", LEFT, False), ("r_date", "消费日期", 36, "", CENTER, False),
            ("r_EmpName", "营业员", 18, "", LEFT, False), ("r_hyJF", "本次积分", 18, NUM, RIGHT, True),
            ("r_hyXF", "本次消费金额", 26, MONEY, RIGHT, True), ("r_mem", "备注信息", 40, "", LEFT, False)]
    return list_report("会员消费汇总统计", "frxDM", cols, landscape=True, caption="[memoDate]")


def xsrec_detail():
    cols = [("F_goodCode", "商品编号", 22, "", LEFT, False), ("F_goodName", "商品名称", 40, "", LEFT, False),
            ("F_type", "商品类型", 22, "", LEFT, False), ("F_spec", "规格", 20, "", LEFT, False),
            ("F_unit", "单位", 10, "", CENTER, False), ("F_amount", "数量", 16, QTY, RIGHT, True),
            ("d_price", "单价", 22, MONEY, RIGHT, False), ("d_rate", "本次折扣", 16, QTY, RIGHT, False),
            ("d_totalprice", "折后金额", 24, MONEY, RIGHT, True), ("d_mem", "备注信息", 40, "", LEFT, False)]
    group = ("dm_code",
             '消费单号：[frxDM."dm_code"]　日期：[frxDM."dm_date"]　会员：[frxDM."F_hycode"] '
             '[frxDM."F_name"]　营业员：[frxDM."dm_empName"]',
             ["F_amount", "d_totalprice"])
    return list_report("会员消费明细统计", "frxDM", cols, landscape=True, caption="[memoDate]", group=group)


def hy_xufei_detail():
    cols = [("F_hycode", "会员卡号", 24, "", LEFT, False), ("F_name", "姓名", 18, "", LEFT, False),
            ("F_sex", "性别", 9, "", CENTER, False), ("F_jibie", "会员级别", 18, "", LEFT, False),
            ("F_IFnew", "会员类型", 14, CARD, CENTER, False), ("F_editDate", "缴费日期", 36, "", CENTER, False),
            ("F_JFprice", "缴费金额", 24, MONEY, RIGHT, True), ("F_YHprice", "优惠金额", 24, MONEY, RIGHT, True),
            ("F_beginJE", "卡内余额", 24, MONEY, RIGHT, False), ("F_OperName", "操作员", 18, "", LEFT, False)]
    return list_report("会员充值明细统计", "frxDM", cols, landscape=True, caption="[memoDate]")


def hy_xiaofei_detail():
    cols = [("F_hycode", "会员卡号", 24, "", LEFT, False), ("F_name", "姓名", 18, "", LEFT, False),
            ("F_sex", "性别", 9, "", CENTER, False), ("F_fromDate", "加入日期", 20, DATE, CENTER, False),
            ("F_jibie", "会员级别", 18, "", LEFT, False), ("F_rate", "折扣", 12, NUM, RIGHT, False),
            ("F_IFnew", "办卡类型", 14, CARD, CENTER, False), ("F_beginJE", "卡内余额/次数", 24, MONEY, RIGHT, False),
            ("F_HyJF", "会员积分", 18, NUM, RIGHT, True), ("F_HyXF", "累计消费", 24, MONEY, RIGHT, True),
            ("XFnum", "消费次数", 16, "", RIGHT, True)]
    return list_report("会员消费统计", "frxDM", cols, landscape=True, caption="[memoDate]")


def hy_xiaofei_detail1():
    cols = [("F_Hycode", "会员卡号", 24, "", LEFT, False), ("F_name", "姓名", 18, "", LEFT, False),
            ("F_sex", "性别", 9, "", CENTER, False), ("F_movePhone", "手机", 25, "", LEFT, False),
            ("F_homePhone", "电话", 23, "", LEFT, False), ("F_jibie", "会员级别", 18, "", LEFT, False),
            ("F_IFnew", "办卡类型", 14, CARD, CENTER, False), ("dm_date", "最后消费日期", 36, "", CENTER, False),
            ("F_hyJF", "累计积分", 18, NUM, RIGHT, False), ("F_hyXF", "累计消费", 24, MONEY, RIGHT, False),
            ("F_address", "地址", 40, "", LEFT, False)]
    return list_report("会员最近未消费列表", "frxDM", cols, landscape=True)


def dh_good_detail():
    cols = [("F_hycode", "会员卡号", 24, "", LEFT, False), ("F_name", "姓名", 18, "", LEFT, False),
            ("dm_code", "兑换单号", 30, "", LEFT, False), ("dm_date", "兑换日期", 36, "", CENTER, False),
            ("dm_empName", "营业员", 18, "", LEFT, False), ("F_goodCode", "商品编号", 22, "", LEFT, False),
            ("F_goodName", "商品名称", 36, "", LEFT, False), ("F_amount", "数量", 16, QTY, RIGHT, True),
            ("F_dhJF", "单位积分", 18, NUM, RIGHT, False), ("F_totalJF", "兑换积分", 20, NUM, RIGHT, True),
            ("d_mem", "备注", 30, "", LEFT, False)]
    return list_report("兑换商品明细统计", "frxDM", cols, landscape=True, caption="[memoDate]")


def kc_good_detail():
    cols = [("F_code", "商品编号", 20, "", LEFT, False), ("F_name", "商品名称", 34, "", LEFT, False),
            ("F_type", "类型", 18, "", LEFT, False), ("F_spec", "规格", 16, "", LEFT, False),
            ("F_unit", "单位", 10, "", CENTER, False), ("F_price1", "预售单价", 20, MONEY, RIGHT, False),
            ("F_price2", "进货单价", 20, MONEY, RIGHT, False), ("F_amount", "库存总量", 18, QTY, RIGHT, True),
            ("F_totalprice", "库存总价", 22, MONEY, RIGHT, True), ("F_enter", "进货总量", 18, QTY, RIGHT, True),
            ("F_out", "退货总量", 18, QTY, RIGHT, True), ("F_sale", "销售总量", 18, QTY, RIGHT, True),
            ("F_salePrice", "销售总价", 22, MONEY, RIGHT, True), ("F_rate", "折扣比率", 16, NUM, RIGHT, False)]
    return list_report("商品库存汇总统计", "frxDM", cols, landscape=True)


def good_jth_detail():
    cols = [("F_editDate", "日    期", 34, STAMP, CENTER, False), ("F_flag", "发生类型", 14, MOVE, CENTER, False),
            ("F_code", "商品编号", 20, "", LEFT, False), ("F_name", "商品名称", 36, "", LEFT, False),
            ("F_type", "类型", 18, "", LEFT, False), ("F_spec", "规格", 16, "", LEFT, False),
            ("F_unit", "单位", 10, "", CENTER, False), ("F_price1", "预售单价", 20, MONEY, RIGHT, False),
            ("F_price2", "进货单价", 20, MONEY, RIGHT, False), ("F_amount", "数量", 18, QTY, RIGHT, True),
            ("F_totalprice", "总价", 24, MONEY, RIGHT, True)]
    return list_report("商品进退货明细统计", "frxDM", cols, landscape=True)


def good_xf_detail():
    cols = [("F_goodcode", "商品编号", 22, "", LEFT, False), ("F_goodName", "商品名称", 40, "", LEFT, False),
            ("F_type", "类型", 20, "", LEFT, False), ("F_spec", "规格", 20, "", LEFT, False),
            ("F_address", "产地", 24, "", LEFT, False), ("F_unit", "单位", 10, "", CENTER, False),
            ("F_amount", "数量", 18, QTY, RIGHT, True), ("F_price", "单价", 22, MONEY, RIGHT, False),
            ("F_rate", "折扣", 14, NUM, RIGHT, False), ("F_totalprice", "折后金额", 26, MONEY, RIGHT, True)]
    return list_report("商品消费汇总统计", "frxDM", cols, landscape=True, caption="[memoDate]")


def good_xf_detail1():
    cols = [("F_date", "消费日期", 34, "", CENTER, False), ("F_goodcode", "商品编号", 20, "", LEFT, False),
            ("F_goodName", "商品名称", 36, "", LEFT, False), ("F_type", "类型", 18, "", LEFT, False),
            ("F_spec", "规格", 16, "", LEFT, False), ("F_unit", "单位", 10, "", CENTER, False),
            ("F_amount", "数量", 16, QTY, RIGHT, True), ("F_price", "单价", 20, MONEY, RIGHT, False),
            ("F_rate", "折扣", 12, NUM, RIGHT, False), ("F_totalprice", "折后金额", 24, MONEY, RIGHT, True),
            ("F_empName", "营业员", 16, "", LEFT, False), ("F_mem", "备注", 26, "", LEFT, False)]
    return list_report("商品消费明细统计", "frxDM", cols, landscape=True)


def hy_xiaofei_fx():
    names = Names()
    pg = page()
    width = printable(pg)
    bands = [title_band(names, "会员消费统计", width, "[memoDate]")]
    cols = [("F_tempDate", "时    间", 50, "", CENTER, False), ("F_cltNum", "客流量", 30, NUM, RIGHT, True),
            ("F_totalPrice", "消费金额", 40, MONEY2, RIGHT, True)]
    bands += columns_bands(names, "frxDM", cols, 120)
    bands.append(page_footer(names, width))
    return template("消费统计图表", pg, bands)


def hy_jiaoban_detail():
    names = Names()
    pg = page()
    width = printable(pg)
    title = [text(names, 0, 0, width, 10, "操作员交班统计", size=16, bold=True, family=HEAD, align=CENTER),
             text(names, 0, 11, width * 0.65, 6, "[memTime]"),
             text(names, width * 0.65, 11, width * 0.35, 6, "操作员：[memOperName]", align=RIGHT)]
    totals = [("折扣卡消费：", "[memPrice1]", "元"), ("储值卡消费：", "[memPrice2]", "元"),
              ("计次卡消费：", "[memNum]", "次"), ("会员充值共：", "[memCZ]", "元"), ("会员收现金：", "[memXJ]", "元")]
    y = 19
    box_w = width / 5
    for i, (label, value, unit) in enumerate(totals):
        x = i * box_w
        title.append(text(names, x, y, box_w, 6, label, bold=True, align=CENTER, frame=ALL, fill=GREY))
        title.append(text(names, x, y + 6, box_w, 7, value + " " + unit, size=10, align=CENTER, frame=ALL))
    bands = [band("reportTitle", y + 16, title, "ReportTitle1")]
    xf = [("F_XFcode", "消费单号", 30, "", LEFT, False), ("F_HYcode", "会员卡号", 26, "", LEFT, False),
          ("F_name", "会员姓名", 22, "", LEFT, False), ("F_XFdate", "消费日期", 38, "", CENTER, False),
          ("F_totalprice", "消费金额/次数", 30, MONEY, RIGHT, True), ("F_HYjf", "增加积分", 24, NUM, RIGHT, True)]
    bands += columns_bands(names, "frxDM", xf, width, suffix="1", caption="会员消费信息")
    cz = [("F_HYcode", "会员卡号", 26, "", LEFT, False), ("F_name", "会员姓名", 22, "", LEFT, False),
          ("F_CZdate", "充值日期", 38, "", CENTER, False), ("F_JFprice", "交费金额", 28, MONEY, RIGHT, True),
          ("F_YHprice", "优惠金额", 28, MONEY, RIGHT, True), ("F_OperName", "操作员", 22, "", LEFT, False)]
    bands += columns_bands(names, "frxDD", cz, width, suffix="2", caption="会员充值信息")
    bands.append(band("reportSummary", 16,
                      [text(names, 0, 8, width / 2, 7, "交班人：＿＿＿＿＿＿＿＿"),
                       text(names, width / 2, 8, width / 2, 7, "接班人：＿＿＿＿＿＿＿＿", align=RIGHT)],
                      "ReportSummary1"))
    bands.append(page_footer(names, width))
    variables = ["memTime", "memOperName", "memPrice1", "memPrice2", "memNum", "memCZ", "memXJ"]
    return template("操作员交班统计", pg, bands, variables)


TEMPLATES = {
    "frMemXianqing": mem_xianqing,
    "frMemList": mem_list,
    "frMemXingFeng": mem_xingfeng,
    "frMemBiaoqian": mem_biaoqian,
    "frXsRecEdit": xs_rec_edit,
    "frXsRecEdit1": xs_rec_edit1,
    "frDhbill": dh_bill,
    "frGoodList": good_list,
    "frAwokeFx": lambda: awoke("会员卡到期提醒", ("F_toDate", "到期日期", 20, DATE, CENTER, False)),
    "frAwokeFx1": lambda: awoke("会员生日提醒（按月）", ("F_birthday", "出生日期", 20, DATE, CENTER, False)),
    "frAwokeFx2": lambda: awoke("会员生日提醒（按日）", ("F_birthday", "出生日期", 20, DATE, CENTER, False)),
    "frXsrecTotal": xsrec_total,
    "frXsrecDetail": xsrec_detail,
    "frHyXuFeiDetail": hy_xufei_detail,
    "frHyXiaoFeiDetail": hy_xiaofei_detail,
    "frHyXiaoFeiDetail1": hy_xiaofei_detail1,
    "frDHgoodDetail": dh_good_detail,
    "frKCgoodDetail": kc_good_detail,
    "frGoodJTHdetail": good_jth_detail,
    "frGoodXFdetail": good_xf_detail,
    "frGoodXFdetail1": good_xf_detail1,
    "frHYxiaofeiFx": hy_xiaofei_fx,
    "frHyJiaobanDetail": hy_jiaoban_detail,
}


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, build in TEMPLATES.items():
        path = os.path.join(OUT, name + ".mcr")
        with open(path, "w", encoding="utf-8") as f:
            json.dump(build(), f, ensure_ascii=False, indent=4)
            f.write("\n")
    print("%d templates written to %s" % (len(TEMPLATES), os.path.normpath(OUT)))


if __name__ == "__main__":
    main()
