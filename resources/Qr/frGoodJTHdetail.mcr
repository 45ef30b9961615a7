{
    "format": "membercard-report",
    "version": 1,
    "title": "商品进退货明细统计",
    "page": {
        "width": 210.0,
        "height": 297.0,
        "landscape": true,
        "margins": [
            10,
            10,
            10,
            10
        ]
    },
    "variables": {
        "category": "自定义变量",
        "items": [
            {
                "name": "sCurKHname",
                "value": ""
            },
            {
                "name": "memoDate",
                "value": ""
            },
            {
                "name": "memoCaption",
                "value": ""
            }
        ]
    },
    "bands": [
        {
            "name": "ReportTitle1",
            "kind": "reportTitle",
            "height": 12,
            "objects": [
                {
                    "name": "Text1",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        277.0,
                        10.0
                    ],
                    "text": "商品进退货明细统计",
                    "font": {
                        "family": "黑体",
                        "size": 16,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1
                }
            ]
        },
        {
            "name": "ColumnHeader1",
            "kind": "columnHeader",
            "height": 6,
            "objects": [
                {
                    "name": "Text2",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        40.95,
                        6.0
                    ],
                    "text": "日    期",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text5",
                    "kind": "text",
                    "geometry": [
                        40.95,
                        0.0,
                        16.86,
                        6.0
                    ],
                    "text": "发生类型",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text8",
                    "kind": "text",
                    "geometry": [
                        57.81,
                        0.0,
                        24.09,
                        6.0
                    ],
                    "text": "商品编号",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text11",
                    "kind": "text",
                    "geometry": [
                        81.9,
                        0.0,
                        43.36,
                        6.0
                    ],
                    "text": "商品名称",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text14",
                    "kind": "text",
                    "geometry": [
                        125.26,
                        0.0,
                        21.68,
                        6.0
                    ],
                    "text": "类型",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text17",
                    "kind": "text",
                    "geometry": [
                        146.94,
                        0.0,
                        19.27,
                        6.0
                    ],
                    "text": "规格",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text20",
                    "kind": "text",
                    "geometry": [
                        166.21,
                        0.0,
                        12.04,
                        6.0
                    ],
                    "text": "单位",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text23",
                    "kind": "text",
                    "geometry": [
                        178.25,
                        0.0,
                        24.09,
                        6.0
                    ],
                    "text": "预售单价",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text26",
                    "kind": "text",
                    "geometry": [
                        202.34,
                        0.0,
                        24.09,
                        6.0
                    ],
                    "text": "进货单价",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text29",
                    "kind": "text",
                    "geometry": [
                        226.43,
                        0.0,
                        21.68,
                        6.0
                    ],
                    "text": "数量",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text32",
                    "kind": "text",
                    "geometry": [
                        248.11,
                        0.0,
                        28.89,
                        6.0
                    ],
                    "text": "总价",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                }
            ]
        },
        {
            "name": "MasterData1",
            "kind": "masterData",
            "height": 5.5,
            "objects": [
                {
                    "name": "Text3",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        40.95,
                        5.5
                    ],
                    "text": "[frxDM.\"F_editDate\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": "yyyy-MM-dd hh:nn:ss",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text6",
                    "kind": "text",
                    "geometry": [
                        40.95,
                        0.0,
                        16.86,
                        5.5
                    ],
                    "text": "[frxDM.\"F_flag\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": "map:1=进货;2=退货;3=出货;4=销退",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text9",
                    "kind": "text",
                    "geometry": [
                        57.81,
                        0.0,
                        24.09,
                        5.5
                    ],
                    "text": "[frxDM.\"F_code\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text12",
                    "kind": "text",
                    "geometry": [
                        81.9,
                        0.0,
                        43.36,
                        5.5
                    ],
                    "text": "[frxDM.\"F_name\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text15",
                    "kind": "text",
                    "geometry": [
                        125.26,
                        0.0,
                        21.68,
                        5.5
                    ],
                    "text": "[frxDM.\"F_type\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text18",
                    "kind": "text",
                    "geometry": [
                        146.94,
                        0.0,
                        19.27,
                        5.5
                    ],
                    "text": "[frxDM.\"F_spec\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text21",
                    "kind": "text",
                    "geometry": [
                        166.21,
                        0.0,
                        12.04,
                        5.5
                    ],
                    "text": "[frxDM.\"F_unit\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text24",
                    "kind": "text",
                    "geometry": [
                        178.25,
                        0.0,
                        24.09,
                        5.5
                    ],
                    "text": "[frxDM.\"F_price1\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": "￥,0.00##;-￥,0.00##",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text27",
                    "kind": "text",
                    "geometry": [
                        202.34,
                        0.0,
                        24.09,
                        5.5
                    ],
                    "text": "[frxDM.\"F_price2\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": "￥,0.00##;-￥,0.00##",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text30",
                    "kind": "text",
                    "geometry": [
                        226.43,
                        0.0,
                        21.68,
                        5.5
                    ],
                    "text": "[frxDM.\"F_amount\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": ",0.####;-,0.####",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text33",
                    "kind": "text",
                    "geometry": [
                        248.11,
                        0.0,
                        28.89,
                        5.5
                    ],
                    "text": "[frxDM.\"F_totalprice\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": "￥,0.00##;-￥,0.00##",
                    "canGrow": true,
                    "stretchToBand": true
                }
            ],
            "dataSet": "frxDM"
        },
        {
            "name": "ColumnFooter1",
            "kind": "columnFooter",
            "height": 6,
            "objects": [
                {
                    "name": "Text4",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        40.95,
                        6.0
                    ],
                    "text": "合计（共 [COUNT(frxDM)] 条）",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text7",
                    "kind": "text",
                    "geometry": [
                        40.95,
                        0.0,
                        16.86,
                        6.0
                    ],
                    "text": "",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text10",
                    "kind": "text",
                    "geometry": [
                        57.81,
                        0.0,
                        24.09,
                        6.0
                    ],
                    "text": "",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text13",
                    "kind": "text",
                    "geometry": [
                        81.9,
                        0.0,
                        43.36,
                        6.0
                    ],
                    "text": "",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text16",
                    "kind": "text",
                    "geometry": [
                        125.26,
                        0.0,
                        21.68,
                        6.0
                    ],
                    "text": "",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text19",
                    "kind": "text",
                    "geometry": [
                        146.94,
                        0.0,
                        19.27,
                        6.0
                    ],
                    "text": "",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text22",
                    "kind": "text",
                    "geometry": [
                        166.21,
                        0.0,
                        12.04,
                        6.0
                    ],
                    "text": "",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text25",
                    "kind": "text",
                    "geometry": [
                        178.25,
                        0.0,
                        24.09,
                        6.0
                    ],
                    "text": "",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text28",
                    "kind": "text",
                    "geometry": [
                        202.34,
                        0.0,
                        24.09,
                        6.0
                    ],
                    "text": "",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text31",
                    "kind": "text",
                    "geometry": [
                        226.43,
                        0.0,
                        21.68,
                        6.0
                    ],
                    "text": "[SUM(frxDM.\"F_amount\")]",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": ",0.####;-,0.####",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text34",
                    "kind": "text",
                    "geometry": [
                        248.11,
                        0.0,
                        28.89,
                        6.0
                    ],
                    "text": "[SUM(frxDM.\"F_totalprice\")]",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": "￥,0.00##;-￥,0.00##",
                    "canGrow": true,
                    "stretchToBand": true
                }
            ]
        },
        {
            "name": "PageFooter1",
            "kind": "pageFooter",
            "height": 7,
            "objects": [
                {
                    "name": "Line1",
                    "kind": "line",
                    "geometry": [
                        0.0,
                        0.5,
                        277.0,
                        0.0
                    ],
                    "frameWidth": 0.2
                },
                {
                    "name": "Text35",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        1.0,
                        277.0,
                        6.0
                    ],
                    "text": "第 [Page#] 页 / 共 [TotalPages#] 页",
                    "font": {
                        "family": "宋体",
                        "size": 8
                    },
                    "hAlign": 1,
                    "vAlign": 1
                },
                {
                    "name": "Text36",
                    "kind": "text",
                    "geometry": [
                        207.0,
                        1.0,
                        70.0,
                        6.0
                    ],
                    "text": "打印日期：[Date]",
                    "font": {
                        "family": "宋体",
                        "size": 8
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "displayFormat": "yyyy年MM月dd日"
                }
            ]
        }
    ]
}
