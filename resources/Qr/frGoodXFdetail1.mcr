{
    "format": "membercard-report",
    "version": 1,
    "title": "商品消费明细统计",
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
                    "text": "商品消费明细统计",
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
                        37.98,
                        6.0
                    ],
                    "text": "消费日期",
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
                        37.98,
                        0.0,
                        22.34,
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
                    "name": "Text8",
                    "kind": "text",
                    "geometry": [
                        60.32,
                        0.0,
                        40.21,
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
                    "name": "Text11",
                    "kind": "text",
                    "geometry": [
                        100.53,
                        0.0,
                        20.1,
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
                    "name": "Text14",
                    "kind": "text",
                    "geometry": [
                        120.63,
                        0.0,
                        17.87,
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
                    "name": "Text17",
                    "kind": "text",
                    "geometry": [
                        138.5,
                        0.0,
                        11.17,
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
                    "name": "Text20",
                    "kind": "text",
                    "geometry": [
                        149.67,
                        0.0,
                        17.87,
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
                    "name": "Text23",
                    "kind": "text",
                    "geometry": [
                        167.54,
                        0.0,
                        22.34,
                        6.0
                    ],
                    "text": "单价",
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
                        189.88,
                        0.0,
                        13.4,
                        6.0
                    ],
                    "text": "折扣",
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
                        203.28,
                        0.0,
                        26.81,
                        6.0
                    ],
                    "text": "折后金额",
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
                        230.09,
                        0.0,
                        17.87,
                        6.0
                    ],
                    "text": "营业员",
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
                    "name": "Text35",
                    "kind": "text",
                    "geometry": [
                        247.96,
                        0.0,
                        29.04,
                        6.0
                    ],
                    "text": "备注",
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
                        37.98,
                        5.5
                    ],
                    "text": "[frxDM.\"F_date\"]",
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
                    "name": "Text6",
                    "kind": "text",
                    "geometry": [
                        37.98,
                        0.0,
                        22.34,
                        5.5
                    ],
                    "text": "[frxDM.\"F_goodcode\"]",
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
                    "name": "Text9",
                    "kind": "text",
                    "geometry": [
                        60.32,
                        0.0,
                        40.21,
                        5.5
                    ],
                    "text": "[frxDM.\"F_goodName\"]",
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
                        100.53,
                        0.0,
                        20.1,
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
                    "name": "Text15",
                    "kind": "text",
                    "geometry": [
                        120.63,
                        0.0,
                        17.87,
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
                    "name": "Text18",
                    "kind": "text",
                    "geometry": [
                        138.5,
                        0.0,
                        11.17,
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
                    "name": "Text21",
                    "kind": "text",
                    "geometry": [
                        149.67,
                        0.0,
                        17.87,
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
                    "name": "Text24",
                    "kind": "text",
                    "geometry": [
                        167.54,
                        0.0,
                        22.34,
                        5.5
                    ],
                    "text": "[frxDM.\"F_price\"]",
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
                        189.88,
                        0.0,
                        13.4,
                        5.5
                    ],
                    "text": "[frxDM.\"F_rate\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": ",0.##;-,0.##",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text30",
                    "kind": "text",
                    "geometry": [
                        203.28,
                        0.0,
                        26.81,
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
                },
                {
                    "name": "Text33",
                    "kind": "text",
                    "geometry": [
                        230.09,
                        0.0,
                        17.87,
                        5.5
                    ],
                    "text": "[frxDM.\"F_empName\"]",
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
                    "name": "Text36",
                    "kind": "text",
                    "geometry": [
                        247.96,
                        0.0,
                        29.04,
                        5.5
                    ],
                    "text": "[frxDM.\"F_mem\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "vAlign": 1,
                    "frame": 15,
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
                        37.98,
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
                        37.98,
                        0.0,
                        22.34,
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
                        60.32,
                        0.0,
                        40.21,
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
                        100.53,
                        0.0,
                        20.1,
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
                        120.63,
                        0.0,
                        17.87,
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
                        138.5,
                        0.0,
                        11.17,
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
                        149.67,
                        0.0,
                        17.87,
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
                    "name": "Text25",
                    "kind": "text",
                    "geometry": [
                        167.54,
                        0.0,
                        22.34,
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
                        189.88,
                        0.0,
                        13.4,
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
                        203.28,
                        0.0,
                        26.81,
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
                },
                {
                    "name": "Text34",
                    "kind": "text",
                    "geometry": [
                        230.09,
                        0.0,
                        17.87,
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
                    "name": "Text37",
                    "kind": "text",
                    "geometry": [
                        247.96,
                        0.0,
                        29.04,
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
                    "name": "Text38",
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
                    "name": "Text39",
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
