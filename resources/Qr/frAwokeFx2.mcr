{
    "format": "membercard-report",
    "version": 1,
    "title": "会员生日提醒（按日）",
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
                    "text": "会员生日提醒（按日）",
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
                        20.75,
                        6.0
                    ],
                    "text": "出生日期",
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
                        20.75,
                        0.0,
                        24.9,
                        6.0
                    ],
                    "text": "会员卡号",
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
                        45.65,
                        0.0,
                        18.67,
                        6.0
                    ],
                    "text": "会员名称",
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
                        64.32,
                        0.0,
                        9.34,
                        6.0
                    ],
                    "text": "性别",
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
                        73.66,
                        0.0,
                        25.94,
                        6.0
                    ],
                    "text": "手机",
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
                        99.6,
                        0.0,
                        23.86,
                        6.0
                    ],
                    "text": "电话",
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
                        123.46,
                        0.0,
                        18.67,
                        6.0
                    ],
                    "text": "会员级别",
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
                        142.13,
                        0.0,
                        20.75,
                        6.0
                    ],
                    "text": "办卡日期",
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
                        162.88,
                        0.0,
                        20.75,
                        6.0
                    ],
                    "text": "到期日期",
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
                        183.63,
                        0.0,
                        18.67,
                        6.0
                    ],
                    "text": "会员积分",
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
                        202.3,
                        0.0,
                        22.82,
                        6.0
                    ],
                    "text": "累计消费",
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
                        225.12,
                        0.0,
                        10.37,
                        6.0
                    ],
                    "text": "天数",
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
                    "name": "Text38",
                    "kind": "text",
                    "geometry": [
                        235.49,
                        0.0,
                        41.51,
                        6.0
                    ],
                    "text": "居住地址",
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
                        20.75,
                        5.5
                    ],
                    "text": "[frxDM.\"F_birthday\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": "yyyy-MM-dd",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text6",
                    "kind": "text",
                    "geometry": [
                        20.75,
                        0.0,
                        24.9,
                        5.5
                    ],
                    "text": "[frxDM.\"F_hycode\"]",
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
                        45.65,
                        0.0,
                        18.67,
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
                    "name": "Text12",
                    "kind": "text",
                    "geometry": [
                        64.32,
                        0.0,
                        9.34,
                        5.5
                    ],
                    "text": "[frxDM.\"F_sex\"]",
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
                    "name": "Text15",
                    "kind": "text",
                    "geometry": [
                        73.66,
                        0.0,
                        25.94,
                        5.5
                    ],
                    "text": "[frxDM.\"F_movePhone\"]",
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
                        99.6,
                        0.0,
                        23.86,
                        5.5
                    ],
                    "text": "[frxDM.\"F_homephone\"]",
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
                        123.46,
                        0.0,
                        18.67,
                        5.5
                    ],
                    "text": "[frxDM.\"F_jibie\"]",
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
                    "name": "Text24",
                    "kind": "text",
                    "geometry": [
                        142.13,
                        0.0,
                        20.75,
                        5.5
                    ],
                    "text": "[frxDM.\"F_fromDate\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": "yyyy-MM-dd",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text27",
                    "kind": "text",
                    "geometry": [
                        162.88,
                        0.0,
                        20.75,
                        5.5
                    ],
                    "text": "[frxDM.\"F_toDate\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": "yyyy-MM-dd",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text30",
                    "kind": "text",
                    "geometry": [
                        183.63,
                        0.0,
                        18.67,
                        5.5
                    ],
                    "text": "[frxDM.\"F_hyJF\"]",
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
                    "name": "Text33",
                    "kind": "text",
                    "geometry": [
                        202.3,
                        0.0,
                        22.82,
                        5.5
                    ],
                    "text": "[frxDM.\"F_hyXF\"]",
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
                    "name": "Text36",
                    "kind": "text",
                    "geometry": [
                        225.12,
                        0.0,
                        10.37,
                        5.5
                    ],
                    "text": "[frxDM.\"F_num\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text39",
                    "kind": "text",
                    "geometry": [
                        235.49,
                        0.0,
                        41.51,
                        5.5
                    ],
                    "text": "[frxDM.\"F_address\"]",
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
                        20.75,
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
                        20.75,
                        0.0,
                        24.9,
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
                        45.65,
                        0.0,
                        18.67,
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
                        64.32,
                        0.0,
                        9.34,
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
                        73.66,
                        0.0,
                        25.94,
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
                        99.6,
                        0.0,
                        23.86,
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
                        123.46,
                        0.0,
                        18.67,
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
                        142.13,
                        0.0,
                        20.75,
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
                        162.88,
                        0.0,
                        20.75,
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
                        183.63,
                        0.0,
                        18.67,
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
                    "name": "Text34",
                    "kind": "text",
                    "geometry": [
                        202.3,
                        0.0,
                        22.82,
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
                        225.12,
                        0.0,
                        10.37,
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
                    "name": "Text40",
                    "kind": "text",
                    "geometry": [
                        235.49,
                        0.0,
                        41.51,
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
                    "name": "Text41",
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
                    "name": "Text42",
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
