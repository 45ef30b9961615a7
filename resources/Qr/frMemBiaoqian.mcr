{
    "format": "membercard-report",
    "version": 1,
    "title": "会员信封标签",
    "page": {
        "width": 210.0,
        "height": 297.0,
        "landscape": false,
        "margins": [
            4.65,
            15.15,
            4.65,
            15.15
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
            "name": "MasterData1",
            "kind": "masterData",
            "height": 38.1,
            "objects": [
                {
                    "name": "Text1",
                    "kind": "text",
                    "geometry": [
                        4.0,
                        2.5,
                        50.0,
                        6.0
                    ],
                    "text": "[frxMain.\"F_postcode\"]",
                    "font": {
                        "family": "黑体",
                        "size": 11
                    },
                    "vAlign": 1,
                    "wordWrap": false
                },
                {
                    "name": "Text2",
                    "kind": "text",
                    "geometry": [
                        4.0,
                        9.0,
                        90.0,
                        11.0
                    ],
                    "text": "[frxMain.\"F_address\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9.5
                    },
                    "vAlign": 1
                },
                {
                    "name": "Text3",
                    "kind": "text",
                    "geometry": [
                        4.0,
                        20.5,
                        90.0,
                        9.0
                    ],
                    "text": "[frxMain.\"F_name\"]　收",
                    "font": {
                        "family": "黑体",
                        "size": 14,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1
                },
                {
                    "name": "Text4",
                    "kind": "text",
                    "geometry": [
                        4.0,
                        30.0,
                        90.0,
                        5.0
                    ],
                    "text": "[frxMain.\"F_hycode\"]",
                    "font": {
                        "family": "宋体",
                        "size": 7.5
                    },
                    "hAlign": 2,
                    "vAlign": 1
                }
            ],
            "dataSet": "frxMain",
            "columns": 2,
            "columnWidth": 99.1,
            "columnGap": 2.5
        }
    ]
}
